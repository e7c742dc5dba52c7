// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/movie/RendererChoice.h"

namespace xuehai {
namespace {

constexpr QuickRenderer kSoftware = QuickRenderer::Software;
constexpr QuickRenderer kOpenGL = QuickRenderer::OpenGL;

TEST(RendererChoice, AGraphicsCardDrawsTheMovies) {
    for (const char* card :
         {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)",
          "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1050/PCIe/SSE2"}) {
        EXPECT_EQ(RendererFor({}, QString::fromLatin1(card)), kOpenGL) << card;
    }
}

TEST(RendererChoice, WithoutACardTheSoftwareRendererDraws) {
    EXPECT_EQ(RendererFor({}, {}), kSoftware) << "no OpenGL at all";
    EXPECT_EQ(RendererFor({}, QStringLiteral("  ")), kSoftware);
    for (const char* processor : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe",
                                  "Software Rasterizer", "Mesa X11 swrast"}) {
        EXPECT_EQ(RendererFor({}, QString::fromLatin1(processor)), kSoftware) << processor;
    }
}

TEST(RendererChoice, ThePlayersChoiceComesFirst) {
    EXPECT_EQ(RendererFor(QStringLiteral("software"), QStringLiteral("NVIDIA GeForce")), kSoftware);
    EXPECT_EQ(RendererFor(QStringLiteral(" OpenGL "), QStringLiteral("llvmpipe")), kOpenGL);
    EXPECT_EQ(RendererFor(QStringLiteral("opengl"), {}), kOpenGL);
    // A word the game does not know leaves the choice to the display.
    EXPECT_EQ(RendererFor(QStringLiteral("vulkan"), QStringLiteral("llvmpipe")), kSoftware);
    EXPECT_EQ(RendererFor(QStringLiteral("vulkan"), QStringLiteral("NVIDIA GeForce")), kOpenGL);
}

}  // namespace
}  // namespace xuehai
