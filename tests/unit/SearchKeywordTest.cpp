#include <gtest/gtest.h>

#include "ui/SearchKeyword.h"

namespace lumora {
namespace {

TEST(SearchKeywordTest, EncodesCodePage936BytesForTheSearchPage) {
    struct Case {
        const char* keyword;
        const char* encoded;
    };
    const Case cases[] = {
        {"a b", "a+b"},
        {"壁纸", "%B1%DA%D6%BD"},
        {"-", "%2D"},
        {".", "%2E"},
        {"Az09", "Az09"},
        {"\t\n\v\f\r ", "++++++"},
        {"蓝天 sky", "%C0%B6%CC%EC+sky"},
        {"_~%+", "%5F%7E%25%2B"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeSearchKeyword(c.keyword), c.encoded) << c.keyword;
    }
}

TEST(SearchKeywordTest, AppendsTheKeywordToThePrefixAsItIs) {
    EXPECT_EQ(SearchPageUrl("http://h/s?q=", "壁纸"), "http://h/s?q=%B1%DA%D6%BD");
    EXPECT_EQ(SearchPageUrl("http://h/s?q=", ""), "http://h/s?q=");
}

}  // namespace
}  // namespace lumora
