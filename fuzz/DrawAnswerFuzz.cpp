// Feeds arbitrary bytes to the readers of the two JSON answers and of a text source: a page is
// either whole, every draw of the lottery's issue form and three digits, or it keeps nothing and
// says why.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "fetch/DrawAnswers.h"
#include "history/FetchedDraws.h"

using suoshui::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const auto& [page, lottery] :
         {std::pair{suoshui::fetch::readWelfareAnswer(body), suoshui::Lottery::Fucai3D},
          std::pair{suoshui::fetch::readSportsAnswer(body), suoshui::Lottery::Pailie3}}) {
        check(page.fault.isEmpty() || page.draws.empty());
        if (page.fault.isEmpty())
            check(suoshui::fetchedDrawsFault(page.draws, lottery).empty());
    }
    const suoshui::fetch::DrawPage text =
        suoshui::fetch::readTextAnswer(body, suoshui::Lottery::Pailie3);
    check(text.fault.isEmpty() || text.draws.empty());
    for (const suoshui::Draw& draw : text.draws)
        check(suoshui::issueFitsLottery(draw.issue, suoshui::Lottery::Pailie3) &&
              draw.number >= 0 && draw.number <= 999);
    return 0;
}
