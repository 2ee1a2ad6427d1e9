#include "store/private_lines.h"

#include <gtest/gtest.h>

namespace kinloom::store {
namespace {

TEST(PrivateLines, LinesUseFixedColumnsAndReadBackToTheSameBits) {
  IndividualRecord out;
  out.skipFlags = 255;
  out.skipFlagsExt = 0x80000001u;  // top bit set: written as a negative number
  out.hideFlags = 0x45;
  out.markFlags = 0x81;
  out.listBits[0] = 3;
  out.listBits[1] = 255;
  out.listBits[2] = 4;
  out.listPos = 123456;
  EXPECT_EQ(IndividualVerLine(out), "1 _VER 255 -2147483647");
  EXPECT_EQ(IndividualSeqLine(out, false), "1 _SEQ   69  129    3  255    4 123456");
  EXPECT_EQ(IndividualSeqLine(out, true), "1 _SEQ   69  129    3  255    4 -1");

  IndividualRecord in;
  ASSERT_TRUE(ReadVerLine(IndividualVerLine(out), &in));
  ASSERT_TRUE(ReadIndividualSeqLine(IndividualSeqLine(out, false), &in));
  // The fields read give the same lines again.
  EXPECT_EQ(IndividualVerLine(in), "1 _VER 255 -2147483647");
  EXPECT_EQ(IndividualSeqLine(in, false), "1 _SEQ   69  129    3  255    4 123456");
  ASSERT_TRUE(ReadIndividualSeqLine(IndividualSeqLine(out, true), &in));
  EXPECT_EQ(in.listPos, -1);

  out.listPos = -1;  // no position still fills the column
  EXPECT_EQ(IndividualSeqLine(out, false), "1 _SEQ   69  129    3  255    4     -1");
  FamilyRecord f;
  f.hideFlags = 2;
  f.listPos = 42;
  EXPECT_EQ(FamilySeqLine(f, false), "1 _SEQ    2     42");
  EXPECT_EQ(FamilySeqLine(f, true), "1 _SEQ    2 -1");
}

TEST(PrivateLines, ShortOrDamagedLinesChangeNothingOrReadAsZero) {
  IndividualRecord r;
  r.listPos = 7;
  EXPECT_FALSE(ReadIndividualSeqLine("1 _SEQ    1    2", &r));
  EXPECT_EQ(r.listPos, 7);
  EXPECT_FALSE(ReadVerLine("1 _VER 1", &r));
  // Garbage in a field reads as 0; huge numbers neither overflow nor leak into other fields.
  ASSERT_TRUE(ReadIndividualSeqLine("1 _SEQ   xx 9999    3    4    5 777777777777777777777", &r));
  EXPECT_EQ(r.hideFlags, 0);
  EXPECT_EQ(r.markFlags, 9999 & 0xFF);
  EXPECT_EQ(r.listBits[0], 3);
  EXPECT_EQ(r.listPos, -1);
  FamilyRecord f;
  ASSERT_TRUE(ReadFamilySeqLine("1 _SEQ    8", &f));
  EXPECT_EQ(f.hideFlags, 8);
  EXPECT_EQ(f.listPos, 0);
  EXPECT_FALSE(ReadFamilySeqLine("1 _SEQ", &f));
}

}  // namespace
}  // namespace kinloom::store
