// Speed of the comment block for parameter lists from empty to far beyond anything typed by hand.
// items_per_second is parameter lines per second; per_parameter is the time one parameter costs,
// which must stay flat from 1,000 to 100,000 parameters.

#include "comments/CommentBlockBuilder.h"

#include <benchmark/benchmark.h>

namespace {

using quillmark::CommentParameter;
using quillmark::CommentRequest;
using quillmark::DevelopmentLanguage;

const QStringList TypeNames = {QStringLiteral("Long"), QStringLiteral("String"),
                               QStringLiteral("Variant"), QStringLiteral("Collection"),
                               QStringLiteral("Boolean")};

CommentRequest MakeRequest(qsizetype parameterCount, DevelopmentLanguage language) {
    CommentRequest request;
    request.Kind = quillmark::ProcedureKind::Function;
    request.Access = quillmark::AccessLevel::Public;
    request.Name = QStringLiteral("CalculateInvoiceTotals");
    request.Purpose = QStringLiteral("Adds up the invoice lines and applies the customer discount");
    request.Returns = QStringLiteral("The total amount due, in the invoice currency");
    request.Language = language;
    request.DeveloperName = QStringLiteral("Jürgen Groß");
    request.Today = QDateTime(QDate(1998, 2, 26), QTime(16, 7, 45));
    request.Parameters.reserve(parameterCount);
    for (qsizetype i = 0; i < parameterCount; ++i) {
        CommentParameter parameter;
        parameter.Name = QStringLiteral("nInvoiceLine%1").arg(i);
        parameter.Optional = i % 3 == 0 ? QStringLiteral("Yes") : QStringLiteral("No");
        parameter.Type = TypeNames.at(i % TypeNames.size());
        parameter.Description = QStringLiteral("Amount of line %1 before tax").arg(i);
        request.Parameters.append(parameter);
    }
    return request;
}

void BM_BuildCommentBlock(benchmark::State& state) {
    const qsizetype parameterCount = state.range(0);
    const auto language = static_cast<DevelopmentLanguage>(state.range(1));
    const CommentRequest request = MakeRequest(parameterCount, language);
    for (auto _ : state) {
        QString block = quillmark::BuildCommentBlock(request);
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * parameterCount);
    if (parameterCount > 0) {
        state.counters["per_parameter"] = benchmark::Counter(
            static_cast<double>(parameterCount),
            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    }
}

// Visual Basic (no end remark, no closing padding) and Delphi (every line padded to its "*)").
BENCHMARK(BM_BuildCommentBlock)
    ->ArgNames({"params", "language"})
    ->ArgsProduct({{0, 10, 1000, 100000},
                   {static_cast<int>(DevelopmentLanguage::VB),
                    static_cast<int>(DevelopmentLanguage::Delphi)}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
