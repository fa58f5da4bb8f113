// Measures what the user feels, each against the least Qt needs for the same window (the
// floor): start-up until the start settings have run and the panels are painted, key to
// picture for a key in each unit, and peak resident memory. Offscreen; medians of many runs.
//
//   rechenmaschine_bench [--runs N] [--keys N] [--scales 1,2,3]   prints a table per scale factor
//   (internally it starts itself as --start real|floor and --keys real|floor)
#include "floor_window.h"
#include "window/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

using rechenmaschine::N1;
using rechenmaschine::bench::Bodenfenster;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

long spitzenspeicherKiB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

// Counts paint events per widget; the filter sees each one just before it is painted.
class Malzaehler : public QObject {
public:
    std::map<QObject*, int> anzahl;
    std::function<void(QObject*)> beiPaint;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++anzahl[o];
            if (beiPaint) {
                beiPaint(o);
            }
        }
        return false;
    }
};

struct Fenster {
    std::unique_ptr<QWidget> widget;
    std::vector<QWidget*> tafeln;
    std::function<bool()> bereit; // start settings run and every panel painted once since
};

Fenster baue(bool echt, Malzaehler& zaehler) {
    Fenster f;
    if (echt) {
        auto* w = new N1;
        f.widget.reset(w);
        for (int i = 1; i <= 6; ++i) {
            f.tafeln.push_back(w->Nep(i));
        }
        f.tafeln.push_back(w->Mult());
    } else {
        auto* w = new Bodenfenster;
        f.widget.reset(w);
        f.tafeln.assign(w->tafeln.begin(), w->tafeln.end());
    }
    auto gemalt = std::make_shared<std::map<QObject*, bool>>();
    zaehler.beiPaint = [gemalt, echt](QObject* o) {
        auto* tafel = qobject_cast<rechenmaschine::Tafel*>(o);
        if (!echt || (tafel != nullptr && !tafel->druckzeilen().empty())) {
            (*gemalt)[o] = true;
        }
    };
    auto* fensterN1 = echt ? static_cast<N1*>(f.widget.get()) : nullptr;
    f.bereit = [gemalt, fensterN1, &f] {
        const bool gestartet = fensterN1 == nullptr || !fensterN1->Timer1().isActive();
        return gestartet && gemalt->size() == f.tafeln.size();
    };
    for (QWidget* t : f.tafeln) {
        t->installEventFilter(&zaehler);
    }
    return f;
}

// Child: start, say "ready" once the first picture is painted, then report the peak memory.
int starte(bool echt) {
    Malzaehler zaehler;
    Fenster f = baue(echt, zaehler);
    f.widget->show();
    QTimer pruefer;
    QObject::connect(&pruefer, &QTimer::timeout, [&] {
        if (f.bereit()) {
            pruefer.stop();
            std::printf("ready\n");
            std::fflush(stdout);
            std::printf("rss %ld\n", spitzenspeicherKiB());
            std::fflush(stdout);
            QCoreApplication::quit();
        }
    });
    pruefer.start(0);
    return QApplication::exec();
}

void warteBis(const std::function<bool()>& bedingung) {
    while (!bedingung()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// One key from its event to the moment every widget it changed has been painted.
double einTastendruck(QWidget* ziel, int key, Malzaehler& zaehler,
                      const std::vector<QObject*>& erwartet) {
    zaehler.anzahl.clear();
    QElapsedTimer uhr;
    uhr.start();
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(ziel, &los);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    const double us = static_cast<double>(uhr.nsecsElapsed()) / 1000.0;
    for (QObject* o : erwartet) {
        if (zaehler.anzahl[o] == 0) {
            std::fprintf(stderr, "not painted: %s\n", qPrintable(o->objectName()));
            std::exit(2);
        }
    }
    return us;
}

int tasten(bool echt, int runs) {
    Malzaehler zaehler;
    Fenster f = baue(echt, zaehler);
    f.widget->show();
    f.widget->activateWindow();
    warteBis(f.bereit);
    zaehler.beiPaint = nullptr;

    struct Fall {
        const char* name;
        QWidget* ziel;
        int key;
        std::vector<QObject*> erwartet;
    };
    std::vector<Fall> faelle;
    if (echt) {
        auto* w = static_cast<N1*>(f.widget.get());
        for (QObject* o : {static_cast<QObject*>(w->N(3)), static_cast<QObject*>(w->A(6)),
                           static_cast<QObject*>(w->S(2))}) {
            o->installEventFilter(&zaehler);
        }
        std::vector<QObject*> alle(f.tafeln.begin(), f.tafeln.end());
        faelle.push_back({"Right in N(3)", w->N(3), Qt::Key_Right, {w->N(3), w->Nep(3)}});
        faelle.push_back({"Right in A(6)", w->A(6), Qt::Key_Right, {w->A(6)}});
        alle.push_back(w->S(2));
        faelle.push_back({"Up in S(2)", w->S(2), Qt::Key_Up, {w->Nep(1), w->Mult()}});
    } else {
        auto* w = static_cast<Bodenfenster*>(f.widget.get());
        w->felder[2]->installEventFilter(&zaehler);
        faelle.push_back({"Right in a plain field", w->felder[2], Qt::Key_Right, {w->felder[2]}});
    }
    for (auto& fall : faelle) {
        fall.ziel->setFocus();
        QCoreApplication::processEvents();
        for (int k = 0; k < runs / 10; ++k) { // warm-up
            einTastendruck(fall.ziel, fall.key, zaehler, fall.erwartet);
        }
        std::vector<double> zeiten;
        for (int k = 0; k < runs; ++k) {
            zeiten.push_back(einTastendruck(fall.ziel, fall.key, zaehler, fall.erwartet));
        }
        std::printf("key %s|%.2f\n", fall.name, median(zeiten));
    }
    std::printf("rss %ld\n", spitzenspeicherKiB());
    return 0;
}

struct Kindprozess {
    double ms = 0;
    long rssKiB = 0;
    std::vector<std::pair<std::string, double>> tasten;
};

Kindprozess kind(const QString& art, const QString& welches, int runs, const QString& faktor) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_SCALE_FACTOR", faktor); // program and floor alike
    static QTemporaryDir laufzeit;         // Qt wants a private runtime folder; give it one
    if (!env.contains("XDG_RUNTIME_DIR") && laufzeit.isValid()) {
        env.insert("XDG_RUNTIME_DIR", laufzeit.path());
    }
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Kindprozess k;
    QElapsedTimer uhr;
    uhr.start();
    p.start(QCoreApplication::applicationFilePath(),
            {art, welches, QStringLiteral("--runs"), QString::number(runs)});
    while (p.waitForReadyRead(30000) || p.state() == QProcess::Running) {
        while (p.canReadLine()) {
            const QString zeile = QString::fromUtf8(p.readLine()).trimmed();
            if (zeile == "ready") {
                k.ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
            } else if (zeile.startsWith("rss ")) {
                k.rssKiB = zeile.mid(4).toLong();
            } else if (zeile.startsWith("key ")) {
                const auto teile = zeile.mid(4).split('|');
                k.tasten.emplace_back(teile[0].toStdString(), teile[1].toDouble());
            }
        }
        if (p.state() != QProcess::Running && !p.canReadLine()) {
            break;
        }
    }
    p.waitForFinished();
    if (p.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed\n", qPrintable(art), qPrintable(welches));
        std::exit(1);
    }
    return k;
}

void vergleiche(int starts, int keys, const QString& faktor) {
    std::vector<double> startEcht, startBoden;
    std::vector<double> rssEcht, rssBoden;
    kind("--start", "real", 1, faktor); // warm the caches of the file system and fontconfig
    kind("--start", "floor", 1, faktor);
    for (int r = 0; r < starts; ++r) {
        const Kindprozess e = kind("--start", "real", 1, faktor);
        const Kindprozess b = kind("--start", "floor", 1, faktor);
        startEcht.push_back(e.ms);
        startBoden.push_back(b.ms);
        rssEcht.push_back(static_cast<double>(e.rssKiB));
        rssBoden.push_back(static_cast<double>(b.rssKiB));
    }
    const Kindprozess e = kind("--keys", "real", keys, faktor);
    const Kindprozess b = kind("--keys", "floor", keys, faktor);
    rssEcht.push_back(static_cast<double>(e.rssKiB));
    rssBoden.push_back(static_cast<double>(b.rssKiB));

    const double se = median(startEcht), sb = median(startBoden);
    const double me = *std::max_element(rssEcht.begin(), rssEcht.end()) / 1024.0;
    const double mb = *std::max_element(rssBoden.begin(), rssBoden.end()) / 1024.0;
    const double boden = b.tasten.at(0).second;
    std::printf("\nscale factor %s\n", qPrintable(faktor));
    std::printf("%-34s %12s %12s %8s %8s\n", "measure", "program", "floor", "ratio", "target");
    std::printf("%-34s %12.1f %12.1f %8.2f %8s\n", "start-up to first picture (ms)", se, sb,
                se / sb, "<= 1.10");
    for (const auto& [name, us] : e.tasten) {
        std::printf("%-34s %12.1f %12.1f %8.2f %8s\n",
                    ("key to picture, " + name + " (us)").c_str(), us, boden, us / boden, "<= 4");
    }
    std::printf("%-34s %12.1f %12.1f %8.2f %8s\n", "peak resident memory (MiB)", me, mb, me / mb,
                "<= 1.10");
    std::printf("(start-up: median of %d runs each; keys: median of %d presses each, after %d "
                "warm-up presses; floor key: %s)\n",
                starts, keys, keys / 10, b.tasten.at(0).first.c_str());
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int k = 1; k < argc; ++k) {
        args << QString::fromLocal8Bit(argv[k]);
    }
    const auto wert = [&](const QString& name, int vorgabe) {
        const auto i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : vorgabe;
    };
    if (args.value(0) == "--start" || args.value(0) == "--keys") {
        QApplication app(argc, argv);
        const bool echt = args.value(1) == "real";
        return args.value(0) == "--start" ? starte(echt) : tasten(echt, wert("--runs", 2000));
    }
    QCoreApplication app(argc, argv);
    const auto i = args.indexOf("--scales");
    const QString faktoren = i >= 0 && i + 1 < args.size() ? args[i + 1] : QStringLiteral("1,2,3");
    for (const QString& faktor : faktoren.split(',')) {
        vergleiche(wert("--runs", 20), wert("--keys", 2000), faktor);
    }
    return 0;
}
