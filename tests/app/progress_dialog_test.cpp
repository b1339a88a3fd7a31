// The wait dialog: its animation plays centred in a 100 x 100 dialog in the middle of the
// screen until timer 2 or UI message 2 cancels it; a missing animation leaves it empty.
#include "app/ProgressDlgEventImp.h"
#include "skin/SFEntry.h"
#include "tests/app/dialog_test_support.h"
#include "tests/common/event_loop_util.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QScreen>

namespace {

struct Seen
{
    QRect label;
    QRect dialog;
    bool playing = false;
    bool valid = false;
    int frames = 0;
    bool advanced = false;
};

TEST(ProgressDialog, AnimationPlaysCentredUntilTheWaitEnds)
{
    SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    const struct
    {
        const wchar_t* name;
        int width, height;
        bool byTimer;  // else by UI message 2
        QRect label;
        int frames;
    } cases[] = {
        {L"Waiting.gif", 32, 32, true, QRect(34, 34, 32, 32), 8},
        {L"Waiting.gif", 32, 32, false, QRect(34, 34, 32, 32), 8},
        {L"missing.gif", 21, 10, true, QRect(39, 45, 21, 10), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.byTimer ? "timer" : "message") << " " << c.width);
        auto sink = std::make_unique<CProgressDlgEventImp>(c.name, c.width, c.height);
        CSFDialog* dlg = SF_CreateDialog(sink.get(), nullptr, 0);
        ASSERT_NE(dlg, nullptr);
        sink->SetDlg(dlg);
        EXPECT_EQ(dlg->Create(L"", nullptr), 1);
        EXPECT_EQ(sink->Label(), nullptr);  // built when the modal run starts, not on Create
        EXPECT_EQ(sink->Movie(), nullptr);

        if (c.byTimer)
            dlg->SetDlgTimer(CProgressDlgEventImp::kIdClose, 600);
        Seen seen;
        ModalAnswer answer([&](QWidget* w) {
            QLabel* label = sink->Label();
            QMovie* movie = sink->Movie();
            ASSERT_TRUE(label && movie);
            seen.label = label->geometry();
            seen.dialog = w->geometry();
            seen.playing = movie->state() == QMovie::Running;
            seen.valid = movie->isValid();
            seen.frames = movie->frameCount();
            const int first = movie->currentFrameNumber();
            testutil::PumpUntil([&] { return movie->currentFrameNumber() != first; }, 400);
            seen.advanced = movie->currentFrameNumber() != first;
            if (!c.byTimer)
                SF_PostUIMessage(w, CProgressDlgEventImp::kIdClose, 0);
        });
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(dlg->DoModalDlg(), 2);
        EXPECT_TRUE(answer.Answered());
        if (c.byTimer) {
            EXPECT_GE(clock.elapsed(), 550);
        }

        EXPECT_EQ(seen.label, c.label);
        EXPECT_EQ(seen.dialog.size(), QSize(100, 100));
        EXPECT_EQ(seen.dialog.center(), screen.center());
        EXPECT_EQ(seen.valid, c.frames > 0);
        if (c.frames > 0) {
            EXPECT_EQ(seen.frames, c.frames);
            EXPECT_TRUE(seen.playing);
        }
        EXPECT_EQ(seen.advanced, c.frames > 1);

        QPointer<QMovie> movie(sink->Movie());
        SF_DestroyDialog(dlg);
        sink.reset();
        EXPECT_TRUE(movie.isNull());
    }
}

}  // namespace
