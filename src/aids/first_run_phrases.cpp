#include "first_run_phrases.h"

using namespace Qt::StringLiterals;

namespace aids {

QStringList firstRunNotesPhraseLines() {
    return {u"●ノークレーム・ノーリターンでお願いします。"_s};
}

QStringList firstRunPaymentPhraseLines() {
    return {u"落札価格 + 送料 がお支払い金額となります。"_s};
}

QStringList firstRunShippingPhraseLines() {
    return {u"配送時の事故等については当方は一切責任を負えません。"_s};
}

QStringList firstRunStockPhraseLines() {
    return {u"定型文を書く"_s};
}

} // namespace aids
