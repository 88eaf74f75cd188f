#include "DataSources.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

// verdan-mkdata SOURCE DIRECTORY: compiles the text sources of Verdan's data into
// DIRECTORY/tables.sqlite (see data/README.md).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunMkdata(app.arguments().mid(1), out, err);
}
