// Start-up load of the settings file: the "General" keys and the four type catalogues, read cold
// (parsed afresh) as at each start, and a warm lookup that finds the file unchanged. Then the two
// saves a user makes into the same file: OK in the options dialog and adding a parameter type.
//
// Goal: 4 x 25,000 entries load in under 150 ms, at no more than 1.5 times the cost per entry of
// 4 x 250. Compare the "s_per_entry" counters of Load/1000 and Load/100000. A value of 16 MiB
// reads at no less than half the speed of one of 1 MiB (LongValue's "bytes_per_second"; the rest
// is the larger value's fresh memory pages). Either save into a file of 4 x 25,000 entries takes
// under 100 ms, a pause a user does not notice.
#include "params/ParamTypeCatalogue.h"
#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

using namespace quillmark;

// A settings file with `entries` types spread over the four catalogues.
QByteArray CatalogueFile(int entries) {
    QByteArray text = "[General]\r\nComments Type=1\r\nPersonal Name=A. Developer\r\n"
                      "Begin Free=\r\nEnd Free=\r\n";
    const int perCatalogue = entries / 4;
    for (const char* suffix : {"VB", "VC", "Delphi", "Custom"}) {
        text += "\r\n[Param Types " + QByteArray(suffix) +
                "]\r\nNumber=" + QByteArray::number(perCatalogue) + "\r\n";
        for (int k = 1; k <= perCatalogue; ++k) {
            text += "Param" + QByteArray::number(k) + "=Type" + QByteArray::number(k) + "\r\n";
        }
    }
    return text;
}

// A settings file in a throw-away profile folder.
class SettingsFixture {
public:
    explicit SettingsFixture(const QByteArray& text) {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QDir().mkpath(home_.filePath("quillmark"));
        QFile file(home_.filePath("quillmark/Quillmrk.ini"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text);
        }
    }

private:
    QTemporaryDir home_;
};

void Load(benchmark::State& state) {
    const auto entries = static_cast<int>(state.range(0));
    const SettingsFixture fixture(CatalogueFile(entries));
    for (auto _ : state) {
        // Start-up's readers keep no cache, so each round reads the file afresh; dropping the
        // previous round's results is not part of a load.
        state.PauseTiming();
        std::optional<GlobalSettings> settings;
        std::optional<ParamTypeCatalogues> catalogues;
        state.ResumeTiming();
        settings = SettingsLayout::LoadGlobalSettings();
        catalogues = ParamTypeCatalogueStore::Load();
        benchmark::DoNotOptimize(settings);
        benchmark::DoNotOptimize(catalogues);
        state.PauseTiming();
        settings.reset();
        catalogues.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = entries;
    // Seconds per entry, printed with an SI prefix ("1.2u" is 1.2 microseconds).
    state.counters["s_per_entry"] = benchmark::Counter(
        entries, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(Load)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void HugeCount(benchmark::State& state) {
    const SettingsFixture fixture(CatalogueFile(0));
    RegIni ini;
    ini.FileName(QStringLiteral("Quillmrk.ini"));
    ini.SetIniStrings("Param Types VB",
                      {{"Number", "2000000000"}, {"Param1", "a"}, {"Param2", "b"}});
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParamTypeCatalogueStore::Load());
    }
}
BENCHMARK(HugeCount)->Unit(benchmark::kMicrosecond);

// A hand-edited name of megabytes, read as at start-up: the line arrives in many pieces.
void LongValue(benchmark::State& state) {
    const auto bytes = static_cast<qsizetype>(state.range(0));
    const SettingsFixture fixture("[General]\r\nPersonal Name=" + QByteArray(bytes, 'n') +
                                  "\r\nComments Type=1\r\n");
    for (auto _ : state) {
        benchmark::DoNotOptimize(SettingsLayout::LoadGlobalSettings());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(LongValue)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

void UnchangedLookup(benchmark::State& state) {
    const SettingsFixture fixture(CatalogueFile(100'000));
    RegIni ini;
    ini.FileName(QStringLiteral("Quillmrk.ini"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ini.GetIniString("Param Types VC", "Param12345"));
    }
}
BENCHMARK(UnchangedLookup)->Unit(benchmark::kMicrosecond);

// Each save locks the file, reads it again, edits it and replaces it on disk; every round makes a
// real change, as an unchanged file is not written.
void SaveOptions(benchmark::State& state) {
    const SettingsFixture fixture(CatalogueFile(static_cast<int>(state.range(0))));
    GlobalSettings settings = SettingsLayout::LoadGlobalSettings();
    int round = 0;
    for (auto _ : state) {
        settings.PersonalName = QStringLiteral("Developer %1").arg(++round);
        if (!SettingsLayout::SaveGeneralSettings(settings).Ok) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(SaveOptions)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void AddType(benchmark::State& state) {
    const SettingsFixture fixture(CatalogueFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        if (!ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, QStringLiteral("NewType"))
                 .Ok) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(AddType)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
