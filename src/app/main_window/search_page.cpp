#include "app/main_window/search_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

const QString SearchPage::kSearchPlaceholder = QStringLiteral(" 歌曲名/歌手名/专辑名");

namespace {

QLabel* link(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("link_") + caption);
    label->setStyleSheet(QStringLiteral("color: rgb(71,112,65); text-decoration: underline;"));
    label->setCursor(Qt::PointingHandCursor);
    // The guides answer once the catalogue fetch is wired in.
    label->setEnabled(false);
    return label;
}

QHBoxLayout* linkRow(const QStringList& captions, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    for (const QString& caption : captions) row->addWidget(link(caption, parent));
    row->addStretch(1);
    return row;
}

QTreeWidget* singerList(const QString& name, const QString& header, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels({header});
    list->setRootIsDecorated(false);
    list->setFixedWidth(180);
    list->setMinimumHeight(214);
    list->setColumnWidth(0, 154);
    list->header()->setStretchLastSection(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setToolTip(QStringLiteral("双击歌手姓名"));
    return list;
}

}  // namespace

QStringList SearchPage::letterLinks() {
    QStringList letters;
    for (char c = 'A'; c <= 'Z'; ++c) letters << QString(QLatin1Char(c));
    return letters;
}

QStringList SearchPage::regionLinks() {
    return {QStringLiteral("大陆地区"), QStringLiteral("港台地区"), QStringLiteral("新马地区"),
            QStringLiteral("欧美地区"), QStringLiteral("日韩地区"), QStringLiteral("其它地区")};
}

QStringList SearchPage::categoryLinks() {
    return {QStringLiteral("国语歌曲"), QStringLiteral("粤语闽南"), QStringLiteral("英文歌曲"),
            QStringLiteral("日韩歌曲"), QStringLiteral("外文其它"), QStringLiteral("网络歌曲"),
            QStringLiteral("DJ舞曲"),   QStringLiteral("影视歌曲"), QStringLiteral("民族美声"),
            QStringLiteral("校园民谣"), QStringLiteral("军旅歌曲"), QStringLiteral("儿童歌曲"),
            QStringLiteral("曲艺综合"), QStringLiteral("纯音乐"),   QStringLiteral("另类其它"),
            QStringLiteral("随意听听")};
}

SearchPage::SearchPage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("搜索我喜欢的音乐："), this));
    auto* q = new QLineEdit(kSearchPlaceholder, this);
    q->setObjectName(QStringLiteral("q"));
    q->setToolTip(QStringLiteral("请输入您需要搜索的内容"));
    bar->addWidget(q, 1);
    auto* qBy = new QComboBox(this);
    qBy->setObjectName(QStringLiteral("q_by"));
    qBy->addItems({QStringLiteral("歌曲名称"), QStringLiteral("歌手姓名"), QStringLiteral("专辑名称")});
    qBy->setCurrentIndex(0);
    bar->addWidget(qBy);
    auto* start = new QPushButton(QStringLiteral("开始搜索"), this);
    start->setObjectName(QStringLiteral("start_q"));
    start->setToolTip(QStringLiteral("小提示：输入要查询的内容后直接按回车键就可以搜索"));
    start->setEnabled(false);
    bar->addWidget(start);
    column->addLayout(bar);

    const QStringList categories = categoryLinks();
    column->addLayout(linkRow(letterLinks(), this));
    column->addLayout(linkRow(regionLinks(), this));
    column->addLayout(linkRow(categories.mid(0, 8), this));
    column->addLayout(linkRow(categories.mid(8), this));

    auto* singers = new QHBoxLayout;
    singers->addWidget(singerList(QStringLiteral("man_lv"), QStringLiteral("　　　　　男歌手"), this));
    singers->addWidget(singerList(QStringLiteral("woman_lv"), QStringLiteral("　　　　　女歌手"), this));
    singers->addWidget(singerList(QStringLiteral("team_lv"), QStringLiteral("　　　　乐队组合"), this));
    singers->addWidget(singerList(QStringLiteral("other_lv"), QStringLiteral("　　　　　未分类"), this));
    singers->addStretch(1);
    column->addLayout(singers, 1);
}
