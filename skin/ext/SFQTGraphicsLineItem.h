// A line of the vertical scene in one colour; the scene sets its ends at each layout.
#pragma once

#include <QColor>
#include <QGraphicsLineItem>

class CSFQTGraphicsLineItem : public QGraphicsLineItem
{
public:
    explicit CSFQTGraphicsLineItem(const QColor& colour);
};
