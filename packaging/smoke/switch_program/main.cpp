// A window with one switch of each shape in a grid, as a program on the installed packages
// would make it. Every toggle is printed ("NAME on"/"NAME off"). With --dump it clicks each
// switch once, prints each switch's caption and value, and ends.
#include <TumblerSwitch>

#include <QApplication>
#include <QGridLayout>
#include <QTextStream>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QWidget window;
    window.setWindowTitle("switch-smoke");
    auto* grid = new QGridLayout(&window);
    QList<TumblerSwitch*> switches;
    for (int shape = 0; shape < 7; ++shape) {
        auto* s = new TumblerSwitch(&window);
        s->setObjectName(QString("shape%1").arg(shape));
        // By property name, as forms and bindings set it.
        s->setProperty("switchShape", shape);
        s->setProperty("caption", QString("S%1").arg(shape));
        QObject::connect(s, &QAbstractButton::toggled, [&out, s](bool on) {
            out << s->objectName() << (on ? " on" : " off") << Qt::endl;
        });
        grid->addWidget(s, shape / 4, shape % 4);
        switches << s;
    }
    if (app.arguments().contains("--dump")) {
        for (TumblerSwitch* s : switches) {
            s->click();
            out << s->objectName() << ' ' << s->property("caption").toString() << ' '
                << s->property("value").toInt() << Qt::endl;
        }
        return 0;
    }
    window.show();
    return app.exec();
}
