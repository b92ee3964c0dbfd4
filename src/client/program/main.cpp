// korvane: the client. Takes no notice of its command line; its settings file is Korvane.ini
// beside the executable, else in the directory that ~/.config/KelpTools/Korvane.reg names.
#include <QApplication>

#include "client/ClientProgram.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
    ClientProgram program;
    QApplication application(argc, argv);
    Application::Init();
    return program.Run();
}
