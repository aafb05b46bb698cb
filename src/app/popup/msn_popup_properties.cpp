#include "app/popup/msn_popup_properties.h"

TMSNPopUpProperties::TMSNPopUpProperties()
    : Title(QStringLiteral("title")),
      Text(QStringLiteral("text")),
      URL(QStringLiteral("about:blank")),
      Options(msnAutoOpenURL | msnCascadePopups | msnAllowScroll | msnAllowHyperlink) {
    HoverFont.font.setUnderline(true);
    HoverFont.color = QColor(Qt::blue);
    TitleFont.font.setBold(true);
}
