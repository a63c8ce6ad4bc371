#include "ui/application.h"

#include <gtest/gtest.h>

namespace ksm::ui {
namespace {

TEST(Options, CommandLine) {
    Options options;
    std::string error;
    EXPECT_TRUE(ParseOptions({"ksm-tool", "--simulate", "--trace", "/tmp/t.log"}, options, error));
    EXPECT_TRUE(options.simulate);
    EXPECT_EQ(options.trace_file, "/tmp/t.log");

    Options plain;
    EXPECT_TRUE(ParseOptions({"ksm-tool"}, plain, error));
    EXPECT_FALSE(plain.simulate);

    for (QStringList bad : {QStringList{"ksm-tool", "--bogus"}, QStringList{"ksm-tool", "--trace"}}) {
        Options rejected;
        error.clear();
        EXPECT_FALSE(ParseOptions(bad, rejected, error));
        EXPECT_NE(error.find("Usage: ksm-tool"), std::string::npos);
    }
}

}  // namespace
}  // namespace ksm::ui
