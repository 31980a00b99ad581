// The chart plugin: the Tablas page's chart view, drawn without a display and saved.
#include <QApplication>
#include <QString>

#include "cli/Plugins.h"
#include "cli/RuntimeFolder.h"
#include "outputs/charts/ChartView.h"
#include "pictures/PictureExport.h"

extern "C" Q_DECL_EXPORT void vagaris_write_chart_picture(const vagaris::ChartSamples& samples,
                                                          const std::string& title,
                                                          const std::string& path) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vagaris::cli::EnsureRuntimeFolder();
    static int argc = 1;
    static char programName[] = "vagaris-cli";
    static char* argv[] = {programName, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);  // lives until exit

    ChartView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.showSamples(samples, QString::fromStdString(title));
    view.show();
    QApplication::processEvents();
    SavePicture(view.picture(), QString::fromStdString(path));
}
