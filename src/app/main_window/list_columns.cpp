#include "app/main_window/list_columns.h"

namespace list_columns {

namespace {
ColumnSpec fill(const QString& caption) { return {caption, 0, false, true, false}; }
ColumnSpec fixed(const QString& caption, int width) { return {caption, width, false, false, false}; }
ColumnSpec centred(const QString& caption, int width) { return {caption, width, true, false, false}; }
}  // namespace

QList<ColumnSpec> songs() {
    return {fill(QStringLiteral("歌曲名称")), fixed(QStringLiteral("歌手名称"), 160),
            fixed(QStringLiteral("专辑名称"), 160), centred(QStringLiteral("人气指数"), 60),
            centred(QStringLiteral("发布时间"), 70)};
}

QList<ColumnSpec> radio() {
    return {fixed(QStringLiteral("电台名称"), 160), fill(QStringLiteral("电台简介")),
            centred(QStringLiteral("人气指数"), 70)};
}

QList<ColumnSpec> magazines() {
    return {fill(QStringLiteral("杂志名称")), centred(QStringLiteral("杂志期号"), 160),
            centred(QStringLiteral("杂志编辑"), 160), centred(QStringLiteral("人气指数"), 60),
            centred(QStringLiteral("发布时间"), 70)};
}

QList<ColumnSpec> favourites() {
    return {fill(QStringLiteral("歌曲名称")), fixed(QStringLiteral("歌手名称"), 160),
            fixed(QStringLiteral("专辑名称"), 160), centred(QStringLiteral("歌曲来源"), 130)};
}

QList<ColumnSpec> downloads() {
    return {fill(QStringLiteral("歌曲名称")), fixed(QStringLiteral("歌曲大小"), 80),
            fixed(QStringLiteral("完成数"), 80), fixed(QStringLiteral("速度"), 80),
            fixed(QStringLiteral("进度"), 60), {QString(), 0, false, false, true}};
}

}  // namespace list_columns
