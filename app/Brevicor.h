// A plain toolkit main window made from a form, beside the skinned main frame; the program
// does not show it. Also the application's byte-to-bits text.
#pragma once

#include "app/ui_Brevicor.h"

#include <QMainWindow>

#include <string>

class Brevicor : public QMainWindow
{
    Q_OBJECT

public:
    explicit Brevicor(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Brevicor() override;

private:
    Ui::BrevicorClass ui;
};

// The eight bits of value as "0" and "1", the lowest bit first: 6 gives "01100000".
std::string ByteToBinaryText(unsigned char value);
