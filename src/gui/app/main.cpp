#include <QApplication>

#include "gui/app/app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vantiq::CApp vantiq;
    return vantiq.Run();
}
