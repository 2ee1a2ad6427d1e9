#include <gtest/gtest.h>

#include "core/find_individual.h"

TEST(FindIndividual, Placeholder) { SUCCEED(); }
