// Orvo: steer the green dot through a random maze to the blue dot.
#include "common/random_source.h"
#include "main_window/form1.h"
#include "platform/startup/application.h"
#include "platform/startup/command_line.h"
#include "platform/files/data_folder.h"
#include "platform/dialogs/dialogs.h"
#include "platform/startup/font_preparation.h"
#include "platform/text/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::nameApplication();
    // The player's language, before the command line is answered.
    platform::Translations translations;
    const platform::CommandLine command = platform::readCommandLine(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;

    const platform::FontPreparation fonts;
    QApplication app(argc, argv);
    translations.install();

    platform::QtDialogs dialogs;
    const platform::DataLocation data = platform::locateDataFolder(command.dataDir);
    if (data.place == platform::DataPlace::PerUser) {
        const std::string problem = platform::prepareDataFolder(data.folder);
        if (!problem.empty()) {
            dialogs.reportProblem(problem);
            return 1;
        }
    }

    FastRandom random;
    Form1 form(Form1Services {dialogs, random, data.folder, platform::secondsSinceMidnight, platform::endProgram});
    if (!form.Form_Load())
        return 1;
    dialogs.setOwner(&form.window());
    form.show();
    return app.exec();
}
