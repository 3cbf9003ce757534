// Orvo: steer the green dot through a random maze to the blue dot.
#include "common/random_source.h"
#include "main_window/form1.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/font_preparation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const platform::FontPreparation fonts;
    QApplication app(argc, argv);

    FastRandom random;
    platform::QtDialogs dialogs;
    Form1 form(Form1Services {dialogs, random, platform::ProgramFolder::ofProgram(),
                              platform::secondsSinceMidnight, platform::endProgram});
    if (!form.Form_Load())
        return 1;
    dialogs.setOwner(&form.window());
    form.show();
    return app.exec();
}
