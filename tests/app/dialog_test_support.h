// Shared set-up of the application dialog tests: a private application folder holding the
// shipped language files (the working directory too, so nothing is written beside the
// build), the shipped skin pictures, and a helper that answers a modal dialog from inside
// its run.
#pragma once

#include <gtest/gtest.h>

#include "base/lang_table.h"
#include "base/sf_paths.h"
#include "skin/SFEntry.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class AppFolderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString folder = m_dir.path();
        for (const char* name : {"Lang_0.xml", "Lang_1.xml", "Tessaly.xml", "NVRSpec.xml"}) {
            const QString from = QStringLiteral(TESSALY_DATA_DIR "/") + QLatin1String(name);
            if (QFile::exists(from)) {
                ASSERT_TRUE(QFile::copy(from, folder + QLatin1Char('/') + QLatin1String(name))) << name;
            }
        }
        m_oldCwd = QDir::currentPath();
        // Start the framework as the program does (it moves to the program's folder), then
        // make the private folder the application folder and the working directory.
        SF_InitApplication(qobject_cast<QApplication*>(QCoreApplication::instance()));
        QDir::setCurrent(folder);
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(folder.toStdWString());
        SF_SetSkinPath(QStringLiteral(TESSALY_BIN_DIR "/Skin/").toStdWString());
        ResetLangTable();
    }

    void TearDown() override
    {
        ResetLangTable();
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring());
        QDir::setCurrent(m_oldCwd);
    }

    std::wstring Lang(const wchar_t* key) { return GetLangText(key); }
    QString LangQ(const wchar_t* key) { return QString::fromStdWString(GetLangText(key)); }

    QTemporaryDir m_dir;
    QString m_oldCwd;
};

// Runs action on the modal dialog as soon as one is up, once. Should the dialog still be
// running long after the action, it is ended so that the test fails instead of hanging.
// Leaving the scope of the answer stops a watch that never saw a dialog.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QWidget*)> action, int timeoutMs = 30000)
        : m_timer(new QTimer),
          m_answered(std::make_shared<bool>(false))
    {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QTimer* timer = m_timer;
        std::shared_ptr<bool> answered = m_answered;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs, answered]() {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                timer->stop();
                *answered = true;
                QPointer<QWidget> guard(modal);
                action(modal);
                QTimer::singleShot(timeoutMs, [guard]() {
                    if (guard && guard == QApplication::activeModalWidget()) {
                        ADD_FAILURE() << "the modal dialog did not end after the answer";
                        if (QDialog* dlg = qobject_cast<QDialog*>(guard.data()))
                            dlg->done(0);
                    }
                });
                return;
            }
            if (clock->elapsed() > timeoutMs) {
                timer->stop();
                ADD_FAILURE() << "no modal dialog came up";
            }
        });
        timer->start();
    }
    ~ModalAnswer() { delete m_timer.data(); }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool Answered() const { return *m_answered; }

private:
    QPointer<QTimer> m_timer;
    std::shared_ptr<bool> m_answered;
};
