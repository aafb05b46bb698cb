#pragma once

#include "app/main_window/report_list.h"

// Columns of the main window's lists, after the icon column.
namespace list_columns {

QList<ColumnSpec> songs();       // sousuo_lv, xinge_lv, tuijian_lv, paihang_lv
QList<ColumnSpec> radio();       // diantai_lv
QList<ColumnSpec> magazines();   // zazhi_lv
QList<ColumnSpec> favourites();  // shoucang_lv
QList<ColumnSpec> downloads();   // download_lv; the last one holds the task key

}  // namespace list_columns
