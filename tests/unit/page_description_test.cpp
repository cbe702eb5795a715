// The control tables as the web page builds them.
#include "ui/web/page_description.h"

#include <gtest/gtest.h>

namespace quorvel::ui::web {
namespace {

TEST(PageDescription, ColoursChangeFromTheWindowsByteOrderToCss) {
    EXPECT_EQ(cssColour(0x80FF80), "#80FF80"); // the active field's light green
    EXPECT_EQ(cssColour(0x0000FF), "#FF0000"); // the low byte is red
    EXPECT_EQ(cssColour(0xFF0000), "#0000FF");
    EXPECT_EQ(cssColour(0x404040), "#404040");
}

TEST(PageDescription, PlacesControlsInCssPixelsAtNinetySixDpi) {
    const std::string page = pageDescription();
    for (const char* fragment : {
             R"("width":432,"height":293,)",
             R"({"title":"Quorvel","face":"\"ＭＳ Ｐゴシック\", \"MS PGothic\", \"IPAPGothic\", )",
             R"("name":"Label9","caption":"","left":16,"top":24,"width":33,"height":17,)"
             R"("points":12,"bold":true,"back":"#FFFFFF","color":null,"align":"right",)",
             R"("name":"Label7","caption":"","left":64,"top":40,"width":41,"height":17,)"
             R"("points":12,"bold":true,"back":"#FFFFFF","color":"#404040","align":"center",)",
             R"("name":"Line3","left":352,"top":32,"width":65,"height":1)",
             R"("name":"Command1","caption":"計算","left":176,"top":240,"width":81,"height":41,)"
             R"("points":18,"bold":false,)",
             R"("name":"Command17","caption":"÷",)",
             R"("accessibleName":"÷ わる","description":"割り算を選ぶ")",
             R"("name":"Option5","caption":"帯分数","left":16,"top":32,"width":73,"height":25,)"
             R"("selected":true,)",
             R"("tabOrder":["Command2","Command3","Label2",)",
         }) {
        EXPECT_NE(page.find(fragment), std::string::npos) << fragment;
    }
}

} // namespace
} // namespace quorvel::ui::web
