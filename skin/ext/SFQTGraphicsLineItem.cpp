#include "skin/ext/SFQTGraphicsLineItem.h"

#include <QPen>

CSFQTGraphicsLineItem::CSFQTGraphicsLineItem(const QColor& colour) { setPen(QPen(colour, 1)); }
