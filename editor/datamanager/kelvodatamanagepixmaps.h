// The built-in pictures of the data manager's rows.
#pragma once

#include <QPixmap>

namespace KelvoDataManagePixmaps {

// The eye of the show/hide check box, plain and for the selected row.
QPixmap eye();
QPixmap selectedEye();
// The cross of the delete button.
QPixmap deleteCross();

} // namespace KelvoDataManagePixmaps
