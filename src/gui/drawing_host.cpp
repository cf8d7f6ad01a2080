// Starts the off-screen platform for drawing in a console run. Qt's raster painting of images,
// fonts and text works on any thread once a QGuiApplication exists, so the engine's worker thread
// can draw after the main thread has started it here. Window mode already has its application.
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>

#include <cstring>

#include "gui/drawing_parts.h"

namespace {
// The application keeps references to its arguments for its whole life.
int ArgumentCount = 3;
char Name[] = "lumadex";
char PlatformOption[] = "-platform";
char PlatformName[] = "offscreen";
char* Arguments[] = {Name, PlatformOption, PlatformName, nullptr};

// A console run prints only its own lines: the platform's notices are not for the user.
void QuietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

void SetWhy(char* why, int whySize, const char* text) {
    if (!why || whySize <= 0) return;
    std::strncpy(why, text, static_cast<size_t>(whySize) - 1);
    why[whySize - 1] = '\0';
}
}  // namespace

int StartDrawing(char* why, int whySize) {
    if (QCoreApplication::instance()) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 1;
        SetWhy(why, whySize, "the running application cannot draw");
        return 0;
    }
    // Without its platform plugin Qt would end the process; say why instead.
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so";
    if (!QFileInfo::exists(plugin) && qEnvironmentVariableIsEmpty("QT_PLUGIN_PATH")) {
        SetWhy(why, whySize, ("missing " + plugin.toStdString()).c_str());
        return 0;
    }
    qInstallMessageHandler(QuietMessages);
    // Created once and kept until the process ends; it is never deleted, so it never runs its
    // clean-up on the wrong thread at exit.
    auto* application = new QGuiApplication(ArgumentCount, Arguments);
    if (!application || !QGuiApplication::primaryScreen()) {
        SetWhy(why, whySize, "no off-screen drawing platform");
        return 0;
    }
    return 1;
}
