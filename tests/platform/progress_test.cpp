#include "platform/progress/progressstrip.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

struct Step {
    int step, maximum, start;
    int position, barMaximum;
};

TEST(ProgressStrip, AdvancesAsTheHelpersDescribe) {
    ProgressStrip strip;
    Progress& progress = strip;
    progress.show(true);
    EXPECT_TRUE(strip.label()->isVisibleTo(&strip));
    EXPECT_EQ(strip.label()->text(), "Proceso");
    const Step steps[] = {
        {1, 10, 0, 1, 10}, // at the start position: the maximum is set
        {1, 99, 0, 2, 10}, // elsewhere the maximum stays
        {3, 10, 0, 5, 10},
        {10, 10, 0, 10, 10}, // never past the maximum
    };
    for (const Step& s : steps) {
        progress.advance(s.step, s.maximum, s.start);
        EXPECT_EQ(strip.bar()->value(), s.position);
        EXPECT_EQ(strip.bar()->maximum(), s.barMaximum);
    }
    progress.show(false);
    EXPECT_FALSE(strip.bar()->isVisibleTo(&strip));
    progress.show(true);
    EXPECT_EQ(strip.bar()->value(), 0);
    // The record helpers drive the same strip.
    orva::data::AvanzarProgreso(strip.progressBar(), 2, 4, 0);
    EXPECT_EQ(strip.bar()->value(), 2);
    EXPECT_EQ(strip.bar()->maximum(), 4);
    orva::data::MostrarProgreso(false, strip.progressBar(), strip.progressLabel());
    EXPECT_FALSE(strip.label()->isVisibleTo(&strip));
    EXPECT_FALSE(strip.bar()->isVisibleTo(&strip));
}

} // namespace
