#include "fetch/DefaultSources.h"

namespace suoshui::fetch {

namespace {

// The 福彩 site answers only with the cookies its page of past draws hands out, and only to a
// browser it knows; "issueCount=100" there gives 404, so the page size asks for the hundred.
const char* const kWelfarePage = "https://www.cwl.gov.cn/ygkj/wqkjgg/fc3d/";
const char* const kWelfareDraws =
    "https://www.cwl.gov.cn/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=3d&issueCount="
    "&issueStart=&issueEnd=&dayStart=&dayEnd=&pageNo={page}&pageSize=100&systemType=PC";
const char* const kDesktopBrowser =
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/131.0.0.0 Safari/537.36";

// The 体彩 site's firewall may turn desktop clients away after the first page.
const char* const kSportsDraws =
    "https://webapi.sporttery.cn/gateway/lottery/getHistoryPageListV1.qry?gameNo=35&provinceId=0"
    "&pageSize=100&isVerify=1&pageNo={page}";
const char* const kSportsReferer = "https://m.lottery.gov.cn/";
const char* const kMobileBrowser =
    "Mozilla/5.0 (iPhone; CPU iPhone OS 17_5 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like "
    "Gecko) Version/17.5 Mobile/15E148 Safari/604.1";

}  // namespace

std::vector<DrawSource> defaultSources() {
    return {
        {QStringLiteral("福彩网"), Lottery::Fucai3D, SourceKind::Welfare,
         QString::fromLatin1(kWelfareDraws), QString::fromLatin1(kWelfarePage),
         QString::fromLatin1(kWelfarePage), QString::fromLatin1(kDesktopBrowser), 1000},
        {QStringLiteral("体彩网"), Lottery::Pailie3, SourceKind::Sports,
         QString::fromLatin1(kSportsDraws), QString(), QString::fromLatin1(kSportsReferer),
         QString::fromLatin1(kMobileBrowser), 1000},
    };
}

}  // namespace suoshui::fetch
