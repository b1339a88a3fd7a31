// The form of the plain main window Brevicor, as the toolkit's form compiler writes it: an
// empty menu bar, tool bar, central widget and status bar on a 600 x 400 window.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMetaObject>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

class Ui_BrevicorClass
{
public:
    QMenuBar* menuBar;
    QToolBar* mainToolBar;
    QWidget* centralWidget;
    QStatusBar* statusBar;

    void setupUi(QMainWindow* BrevicorClass)
    {
        if (BrevicorClass->objectName().isEmpty())
            BrevicorClass->setObjectName("BrevicorClass");
        BrevicorClass->resize(600, 400);
        menuBar = new QMenuBar(BrevicorClass);
        menuBar->setObjectName("menuBar");
        BrevicorClass->setMenuBar(menuBar);
        mainToolBar = new QToolBar(BrevicorClass);
        mainToolBar->setObjectName("mainToolBar");
        BrevicorClass->addToolBar(mainToolBar);
        centralWidget = new QWidget(BrevicorClass);
        centralWidget->setObjectName("centralWidget");
        BrevicorClass->setCentralWidget(centralWidget);
        statusBar = new QStatusBar(BrevicorClass);
        statusBar->setObjectName("statusBar");
        BrevicorClass->setStatusBar(statusBar);

        retranslateUi(BrevicorClass);

        QMetaObject::connectSlotsByName(BrevicorClass);
    }

    void retranslateUi(QMainWindow* BrevicorClass)
    {
        BrevicorClass->setWindowTitle(QCoreApplication::translate("BrevicorClass", "Brevicor", nullptr));
    }
};

namespace Ui {
class BrevicorClass : public Ui_BrevicorClass
{};
}  // namespace Ui
