#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Wildpflanzen Deutschlands bestimmen"));
    frame.resize(800, 600);
    frame.show();
    return app.exec();
}
