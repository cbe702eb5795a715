// One click on a digit button, from the mouse event to the repainted field, on the real window
// (offscreen platform).
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_DigitClickToRepaintedField(benchmark::State& state) {
    quorvel::ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    auto* one = window.findChild<QPushButton*>(QStringLiteral("Command5"));
    auto* erase = window.findChild<QPushButton*>(QStringLiteral("Command22"));
    const QPoint centre = one->rect().center();
    for (auto _ : state) {
        QTest::mouseClick(one, Qt::LeftButton, Qt::NoModifier, centre);
        QApplication::processEvents(); // the pending repaint of the field
        if (window.label(quorvel::LabelId::Label9)->text().size() > 8) {
            state.PauseTiming();
            QTest::mouseClick(erase, Qt::LeftButton);
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_DigitClickToRepaintedField)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
