#include "widgets/buttoncursor.h"

buttoncursor::buttoncursor(QWidget *parent)
    : QPushButton(parent) {
    // Qt shows a widget's cursor on entering it and puts the previous one back on leaving.
    setCursor(Qt::PointingHandCursor);
}
