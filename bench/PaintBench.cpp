// Times a paint of the main screen and of the stock window, offscreen, built
// as the program builds them on the catalogue the private server holds
// (bench/run fills it), against a plain window of the same size with as many
// child buttons. The login is skipped as on a developer's machine.
//   parvela-bench-paint [PAINTS]

#include "RecordingBoxes.h"
#include "Report.h"
#include "app/Application.h"
#include "app/Login.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <iostream>

using namespace parvela;

namespace {

class NoLogin : public app::LoginPrompt {
public:
    std::optional<app::LoginInput> ask() override { return std::nullopt; }
};

// The milliseconds of one paint of the whole window and its children.
double paintTime(QWidget& window, int paints) {
    window.grab(); // the first builds caches the program keeps
    const auto start = std::chrono::steady_clock::now();
    for (int paint = 0; paint < paints; ++paint)
        window.grab();
    const std::chrono::duration<double, std::milli> total =
        std::chrono::steady_clock::now() - start;
    return total.count() / paints;
}

double plainPaintTime(const QWidget& like, int paints) {
    QWidget plain;
    auto* grid = new QGridLayout(&plain);
    const qsizetype children = like.findChildren<QWidget*>().size();
    for (qsizetype i = 0; i < children; ++i)
        grid->addWidget(new QPushButton(QStringLiteral("Düğme %1").arg(i)), static_cast<int>(i / 8),
                        static_cast<int>(i % 8));
    plain.resize(like.size());
    plain.show();
    QApplication::processEvents();
    return paintTime(plain, paints);
}

void compare(const char* what, QWidget& window, int paints) {
    QApplication::processEvents();
    std::printf("%s: %dx%d, %lld child widgets\n", what, window.width(), window.height(),
                static_cast<long long>(window.findChildren<QWidget*>().size()));
    bench::printComparison(
        {what, "ms", paintTime(window, paints), plainPaintTime(window, paints), 0, 8});
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own settings, in a folder of this run's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    {
        platform::Settings settings;
        settings.setValue(QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.1"));
        settings.setValue(QStringLiteral("Login/developerMachines"),
                          QSysInfo::machineHostName().toUpper());
        settings.setValue(QStringLiteral("Paths/root"), config.path());
        settings.sync();
    }
    const int paints = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    bench::RecordingBoxes boxes;
    app::Application program(boxes);
    NoLogin prompt;
    if (program.start(prompt) || program.mainWindow() == nullptr) {
        std::cerr << "*** BENCHMARK FAILED: the program did not start ***\n";
        return 1;
    }
    app::MainWindow& main = *program.mainWindow();
    // A full-HD screen rather than the offscreen platform's small one.
    main.showNormal();
    main.setGeometry(0, 0, 1920, 1080);
    std::printf("%zu products loaded\n", program.catalog().current()->products.size());
    compare("main screen paint", main, paints);
    QWidget* browser = main.stockWindows().openBrowser(&main);
    compare("stock window paint", *browser, paints);
    return boxes.empty() ? 0 : 1;
}
