// The program entry: the application, its four windows, the title and the
// message loop. It takes no command line.
#include <QApplication>
#include <QIcon>

#include "AppInfo.h"
#include "ErrorBox.h"
#include "GamePixelInput.h"
#include "Program.h"
#include "SessionGuard.h"

int main(int argc, char** argv) {
    // The panel and the playfield move together, which needs client-placed
    // windows: ask for X11 (also through XWayland) unless the user chose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Whole scale factors keep every picture pixel a square of equal device
    // pixels: a 144-dpi screen (1.5) gets 2 rather than rows and columns of
    // alternately one and two device pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // Presses, releases and moves in the game pixel under the pointer.
    TGamePixelInput gamePixelInput(&app);
    QApplication::setApplicationName(QString::fromLatin1(appinfo::kApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appinfo::kDesktopFileId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON.ico")));

    int result = 0;
    // An error while the windows are created is shown like any other.
    const bool started = RunHandler(nullptr, [&] {
        TProgram program;
        SetApplicationTitle(QString::fromLatin1(appinfo::kApplicationTitle));
        TMainForm& mainForm = *program.MainForm;
        TSessionGuard guard([&] { mainForm.close(); }, [&] { mainForm.SaveForSessionEnd(); });
        QObject::connect(&mainForm, &TMainForm::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        mainForm.show();
        result = app.exec();
    });
    return started ? result : 1;
}
