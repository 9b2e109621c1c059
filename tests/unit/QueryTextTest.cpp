#include <gtest/gtest.h>

#include "service/QueryText.h"

namespace lumora::service {
namespace {

TEST(QueryTextTest, RawQueryValueFindsTheWholeKeyOnly) {
    struct Case {
        const char* query;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"m=search&c=index&a=init&typeid=3&q=%B1%DA", "q", "%B1%DA"},
        {"qq=1&q=a+b", "q", "a+b"},
        {"q=", "q", ""},
        {"q", "q", ""},
        {"a=1", "q", ""},
        {"", "q", ""},
        {"q=first&q=second", "q", "first"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RawQueryValue(c.query, c.key), c.expected) << c.query;
    }
}

TEST(QueryTextTest, SearchKeywordDecodesCodePage936) {
    struct Case {
        const char* query;
        const char* expected;
    };
    const Case cases[] = {
        {"q=%B1%DA%D6%BD", "壁纸"},
        {"q=a+b", "a b"},
        {"q=%2D%2E", "-."},
        {"q=%d0%c7%bf%d5", "星空"},  // lower-case hex digits
        {"q=100%", "100%"},          // a lone "%" stays
        {"q=%G1", "%G1"},
        {"q=%B1", "\xEF\xBF\xBD"},  // a cut-off double-byte character
        {"q=%80", "€"},             // code page 936 maps 0x80 to the euro sign
        {"q=%FF%B1%DA", "\xEF\xBF\xBD壁"},
        {"ie=utf-8&q=%E5%A3%81%E7%BA%B8", "壁纸"},  // the site's own form
        {"ie=UTF-8&q=%E6%98%9F", "星"},
        {"m=search", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchKeyword(c.query), c.expected) << c.query;
    }
}

TEST(QueryTextTest, PercentDecodeKeepsZeroBytes) {
    EXPECT_EQ(PercentDecode("a%00b"), std::string("a\0b", 3));
}

}  // namespace
}  // namespace lumora::service
