#include "skin/ext/SFSpinBoxStyleSheet.h"

namespace {

// One rule: "<selector> {<declarations>border-image: url(<picture>);}", declarations as given.
QString Rule(const QString& selector, const QString& declarations, const QString& picture)
{
    return selector + QStringLiteral(" {") + declarations + QStringLiteral("border-image: url(") + picture +
           QStringLiteral(");}");
}

}  // namespace

QString SFSpinBoxStyleSheet(const QString& widgetClass, const SFSpinBoxPictures& pictures)
{
    const QString up = widgetClass + QStringLiteral("::up-button");
    const QString down = widgetClass + QStringLiteral("::down-button");
    const QString button = QStringLiteral("width: 21px; ");
    return Rule(widgetClass, QStringLiteral(" padding: 0 8px; "), pictures.frame) +
           Rule(up, button, pictures.up) + Rule(up + QStringLiteral(":hover"), QString(), pictures.upHover) +
           Rule(up + QStringLiteral(":pressed"), QString(), pictures.upPressed) +
           Rule(up + QStringLiteral(":disabled"), QString(), pictures.upDisabled) +
           Rule(down, button, pictures.down) +
           Rule(down + QStringLiteral(":hover"), QString(), pictures.downHover) +
           Rule(down + QStringLiteral(":pressed"), QString(), pictures.downPressed) +
           Rule(down + QStringLiteral(":disabled"), QString(), pictures.downDisabled);
}
