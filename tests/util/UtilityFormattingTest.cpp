#include "util/ConversionError.h"
#include "util/Utility.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

namespace quillmark {
namespace {

// Results depend on the default locale; every case pins the one it needs.
class UtilityFormattingTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(saved_); }

    Utility utility_;
    const QDateTime thursdayAfternoon_{QDate(1998, 2, 26), QTime(16, 7, 45)};

private:
    QLocale saved_;
};

TEST_F(UtilityFormattingTest, FormatNumberGroupsEveryThousandAndRoundsToCents) {
    const std::pair<double, const char*> cases[] = {
        {1234.5, "$1,234.50"},
        {0, "$0.00"},
        {0.004, "$0.00"},
        {-5, "$-5.00"},
        {1234567.891, "$1,234,567.89"},
        {1234567890.0, "$1,234,567,890.00"},
        {999.996, "$1,000.00"}, // rounding opens a new group
        {-1234.5, "$-1,234.50"},
        {-0.004, "$0.00"}, // never minus zero
        {-0.0, "$0.00"}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(utility_.FormatNumber(value), expected) << value;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(utility_.FormatNumber(1234567.891), "$1.234.567,89");
    EXPECT_EQ(utility_.FormatNumber(-0.004), "$0,00");
    // Locales whose own number format groups otherwise, or not at all, still group by threes.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(utility_.FormatNumber(1234.5), "$1,234.50");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(utility_.FormatNumber(-1234.5), "$-1.234,50");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::India));
    EXPECT_EQ(utility_.FormatNumber(1234567.891), "$1,234,567.89");
}

TEST_F(UtilityFormattingTest, FormatNumberRefusesWhatIsNoAmount) {
    EXPECT_THROW(utility_.FormatNumber(std::numeric_limits<double>::quiet_NaN()), ConversionError);
    EXPECT_THROW(utility_.FormatNumber(std::numeric_limits<double>::infinity()), ConversionError);
}

TEST_F(UtilityFormattingTest, FormatDateStylesInEnglish) {
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 1), "Thursday, Feb 26 1998");
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 2), "02/26/98 04:07:45 PM");
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 3), "2/26/1998");
    // The twelve-hour clock around midnight and noon.
    const QDate day(2005, 11, 3);
    EXPECT_EQ(utility_.FormatDate(QDateTime(day, QTime(0, 5, 9)), 2), "11/03/05 12:05:09 AM");
    EXPECT_EQ(utility_.FormatDate(QDateTime(day, QTime(12, 0, 0)), 2), "11/03/05 12:00:00 PM");
    EXPECT_EQ(utility_.FormatDate(QDateTime(day, QTime(23, 59, 59)), 2), "11/03/05 11:59:59 PM");
    EXPECT_EQ(utility_.FormatDate(QDateTime(QDate(2000, 1, 9), QTime(9, 1, 2)), 3), "1/9/2000");
}

TEST_F(UtilityFormattingTest, FormatDateTakesNamesSeparatorsAndMarkersFromTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QLocale german;
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 1),
              "Donnerstag, " + german.monthName(2, QLocale::ShortFormat) + " 26 1998");
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 3), "2.26.1998");

    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    const QLocale finnish;
    EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, 2), "02.26.98 04.07.45 " + finnish.pmText());
    EXPECT_EQ(utility_.FormatDate(QDateTime(QDate(1998, 2, 26), QTime(4, 7, 45)), 2),
              "02.26.98 04.07.45 " + finnish.amText());
}

TEST_F(UtilityFormattingTest, FormatDateOfAnUnknownStyleIsEmptyAndOfAnInvalidDateThrows) {
    for (int style : {0, 4, -1}) {
        EXPECT_EQ(utility_.FormatDate(thursdayAfternoon_, style), "") << style;
    }
    // No style chosen, so the date is never converted.
    EXPECT_EQ(utility_.FormatDate(QDateTime(), 4), "");
    EXPECT_THROW(utility_.FormatDate(QDateTime(), 1), ConversionError);
    EXPECT_THROW(utility_.FormatDate(QDateTime(QDate(1998, 2, 30), QTime(1, 0)), 3),
                 ConversionError);
}

TEST_F(UtilityFormattingTest, YearsDifferenceCountsCalendarYears) {
    EXPECT_EQ(utility_.YearsDifference(QDate(1998, 1, 1), QDate(1997, 12, 31)), 1);
    EXPECT_EQ(utility_.YearsDifference(QDate(1998, 12, 31), QDate(1998, 1, 1)), 0);
    EXPECT_EQ(utility_.YearsDifference(QDate(1998, 1, 1), QDate(1998, 12, 31)), 0);
    EXPECT_EQ(utility_.YearsDifference(QDate(1990, 6, 1), QDate(2024, 6, 1)), -34);
    EXPECT_THROW(utility_.YearsDifference(QDate(), QDate(1998, 1, 1)), ConversionError);
    EXPECT_THROW(utility_.YearsDifference(QDate(1998, 1, 1), QDate()), ConversionError);
}

} // namespace
} // namespace quillmark
