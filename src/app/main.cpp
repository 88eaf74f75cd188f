#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/KR_MsgDlg.h"
#include "app/Kr_init.h"
#include "app/Verdan_Main.h"
#include "identify/Verdan_Bestimmungsformular.h"

#include <QApplication>
#include <QFont>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void OnTerminationSignal(int signal)
{
    const char byte = char(signal);
    // Nothing else is safe in a signal handler; the event loop reads the byte.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the program as closing its main window does, so that the
// work directory is cleaned up.
bool CatchTerminationSignals()
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    return true;
}

void CloseOnSignal(QWidget& mainWindow, QObject& owner)
{
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [&mainWindow] {
        char bytes[16];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        // An open modal dialog would keep the loop running after the main window closed.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            if (QApplication::activeModalWidget() == modal) break;
        }
        mainWindow.close();
    });
}

// Nobody could answer a dialog on the offscreen or minimal platforms: messages go to stderr.
bool HasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

void ReportStartupFailure(const QString& message, bool dialog)
{
    std::fprintf(stderr, "%s: %s\n", SetupBlock.ProgramId.toLocal8Bit().constData(),
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (dialog) ShowMessageDlg(QString(), message);
}

} // namespace

int main(int argc, char** argv)
{
    InitSetupBlock();
    QApplication app(argc, argv);
    // The windows are laid out in pixels for the narrow "MS Sans Serif"; the nearest
    // metric-compatible fonts keep their captions inside their buttons.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans Condensed")});
    const bool catchesSignals = CatchTerminationSignals();
    std::unique_ptr<TKR_MsgDlgHandler> dialogs;
    if (HasDisplay()) dialogs = std::make_unique<TKR_MsgDlgHandler>();

    try {
        ProgramStartup();
    } catch (const std::exception& error) {
        ReportStartupFailure(QString::fromUtf8(error.what()), dialogs != nullptr);
        ProgramShutdown();
        return 1;
    }

    int exitCode = 0;
    {
        TVerdan_Mainform frame;
        if (catchesSignals) CloseOnSignal(frame, frame);
        frame.show();
        frame.AddChild(new TVerdan_Bestimmung(&frame));
        exitCode = app.exec();
    }
    dialogs.reset();
    ProgramShutdown();
    return exitCode;
}
