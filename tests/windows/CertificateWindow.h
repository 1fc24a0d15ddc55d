// A certificate window on the screen for a test, with its rank and its printer in the
// test's hands, and the program's ending counted instead of done.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <string_view>

#include "support/ActiveWindow.h"
#include "app/toolkit/Program.h"
#include "windows/Frmreward.h"

// The rank as the test gives it, in place of the game's level items; empty as if none were checked.
struct GivenRank : RankSource {
    std::string_view rank;
    std::string_view rankTitle() const override { return rank; }
};


// Keeps every picture it is given and answers as told.
struct RecordingPrinter : CertificatePrinter {
    Outcome answer{Outcome::Kind::Printed, {}};
    std::vector<QImage> printed;
    Outcome print(const CertificatePage &certificate) override
    {
        printed.push_back(certificate.image());
        return answer;
    }
};

class CertificateWindow {
public:
    explicit CertificateWindow(const RankSource &levels, bool recordPrints = true)
    {
        previousEnder_ = toolkit::setProgramEnder([this] { ++programEnds; });
        window = new Frmreward(levels);
        if (recordPrints) {
            auto recording = std::make_unique<RecordingPrinter>();
            printer = recording.get();
            window->setPrinter(std::move(recording));
        }
        window->showForm();
        testsupport::makeActive(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    ~CertificateWindow()
    {
        delete window.data();
        toolkit::setProgramEnder(std::move(previousEnder_));
    }

    Frmreward &w() { return *window; }
    QWidget *focused() { return QApplication::focusWidget(); }
    QWidget *nameEditor() { return window->Txtmyname->editor(); }
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void typeName(const QString &name) { QTest::keyClicks(nameEditor(), name); }
    QString nameLine() { return window->Label1->text(); }

    QPointer<Frmreward> window;
    RecordingPrinter *printer = nullptr;
    int programEnds = 0;

private:
    std::function<void()> previousEnder_;
};
