#include "app/Brevicor.h"

Brevicor::Brevicor(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) { ui.setupUi(this); }

Brevicor::~Brevicor() = default;

std::string ByteToBinaryText(unsigned char value)
{
    std::string text(8, '0');
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1u << bit))
            text[static_cast<std::size_t>(bit)] = '1';
    return text;
}
