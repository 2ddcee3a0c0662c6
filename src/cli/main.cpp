// qor-alchemy-cli: the command-line front end of the potion engine.

#include "cli/cli_app.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return qor::runCli(QCoreApplication::arguments(), out, err);
}
