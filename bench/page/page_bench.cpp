// Assembles long templates and, in the same run, copies the same files through the CP932
// helpers alone (read and decode the whole file, encode and write it), which is the least any
// page of that length costs. Each benchmark also runs once in a child process to report how
// far its resident memory grew: page assembly streams, so that growth must not follow the
// template's length.
#include "page/assemble_page.h"
#include "page/built_in_templates.h"
#include "peak_memory.h"
#include "platform/text_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace Qt::Literals::StringLiterals;

struct PrintingPrompter : platform::Prompter {
    void inform(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(const QString&) override { return false; }
};

const QTemporaryDir& folder() {
    static const QTemporaryDir dir;
    return dir;
}

QString pathOf(const QString& name) {
    return folder().path() + u'/' + name;
}

// A long listing page: the built-in temp2 with rows of item text in the middle, every tenth
// one coloured with a placeholder, the way a seller pads a template with a long description.
QString templateOf(int lines) {
    static std::map<int, QString> made;
    auto [at, isNew] = made.try_emplace(lines, pathOf(u"t%1.tmpl"_s.arg(lines)));
    if (isNew) {
        const QStringList temp2 = page::builtInTemplate2Lines();
        QStringList text = temp2.mid(0, 7);
        for (int i = text.size(); i < lines - 2; ++i) {
            text << (i % 10 == 0
                         ? u"<tr><td bgcolor=%subcolor width=%width>商品の状態 %1</td></tr>"_s
                         : u"<tr><td>付属品・説明書あり。動作確認済みです。 %1</td></tr>"_s)
                        .arg(i);
        }
        text << temp2.mid(7);
        platform::writeTextLines(at->second, text);
    }
    return at->second;
}

page::PageInputs inputsFor(int lines) {
    page::PageInputs in;
    in.record.TextBoxタイトル = u"ベンチマーク用の商品"_s;
    in.record.TextBox商品説明 = u"説明\r\n二行目"_s;
    in.record.Label支払い方法 = u"・ゆうちょ銀行　\r\n・Yahoo!かんたん決済　\r\n"_s;
    in.record.Label送料1 = u"・ゆうパック60サイズ　800円\r\n"_s;
    in.record.Text注意事項 = u"●ノークレーム・ノーリターンでお願いします。"_s;
    in.regionName = u"東京都"_s;
    in.linkTable = {u"<a href=\"Y\">ゆうパック料金表はこちらで</a>"_s};
    in.homePage = u"https://example.org/tomoe/"_s;
    in.templatePath = templateOf(lines);
    in.outputPath = pathOf(u"page.html"_s);
    return in;
}

void assemble(const page::PageInputs& inputs) {
    PrintingPrompter prompter;
    page::AssemblePage(inputs, prompter);
}

void copyThroughCp932(const QString& from, const QString& to) {
    platform::writeFileAtomically(
        to, platform::toCp932(platform::readText(from), platform::Unmappable::CharacterReference));
}

void BM_AssemblePage(benchmark::State& state) {
    const page::PageInputs inputs = inputsFor(int(state.range(0)));
    for (auto _ : state)
        assemble(inputs);
    state.counters["peak_growth_kB"] = double(peakGrowthKb([&] { assemble(inputs); }));
}

void BM_Cp932Copy(benchmark::State& state) {
    const QString from = templateOf(int(state.range(0)));
    const QString to = pathOf(u"copy.html"_s);
    for (auto _ : state)
        copyThroughCp932(from, to);
    state.counters["peak_growth_kB"] = double(peakGrowthKb([&] { copyThroughCp932(from, to); }));
}

BENCHMARK(BM_AssemblePage)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cp932Copy)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, how many times the plain copy each assembly takes, from the
// fastest repetition of each (the machine is shared, so the slower ones measure the others).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            auto [at, isNew] = m_fastest.try_emplace(run.benchmark_name(), run);
            if (!isNew && run.GetAdjustedRealTime() < at->second.GetAdjustedRealTime())
                at->second = run;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* size : {"10000", "100000"}) {
            const auto assembly = m_fastest.find(std::string("BM_AssemblePage/") + size);
            const auto copy = m_fastest.find(std::string("BM_Cp932Copy/") + size);
            if (assembly == m_fastest.end() || copy == m_fastest.end())
                continue;
            std::printf("%s lines: assembly takes %.2f times the CP932 copy (CPU time %.2f)\n",
                        size,
                        assembly->second.GetAdjustedRealTime() / copy->second.GetAdjustedRealTime(),
                        assembly->second.GetAdjustedCPUTime() / copy->second.GetAdjustedCPUTime());
        }
    }

private:
    std::map<std::string, Run> m_fastest;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
