#include "kelvoshapedtextbase.h"

KelvoShapedTextBase::KelvoShapedTextBase(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
}
