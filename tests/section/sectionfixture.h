// Shared set-up of the section tests: the class lists and stored sections exist for each
// test and are built afresh.
#pragma once

#include "classes.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

class SectionTest : public testing::Test
{
protected:
    void SetUp() override { ClassesInitialize(); }
    void TearDown() override { ClassesFinalize(); }

    // Designs Section after its inputs were written; returns Calculate's result.
    static bool Design(TRistLoige &Section)
    {
        Section.CalcDesignValues();
        return Section.Calculate();
    }
};

// Areas in the tests are written in cm2, as the window shows them.
inline double cm2(double m2)
{
    return m2 * 10000;
}
