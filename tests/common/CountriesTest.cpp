#include "common/TextHelpers.h"
#include "common/uConstants.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// The order in which the setup dialog lists the catalogues.
const char* const ExpectedOrder =
    "004 248 008 012 016 020 024 660 010 028 032 051 533 036 040 031 044 048 050 052 112 056 084 "
    "204 060 064 068 535 070 072 074 076 086 096 100 854 108 116 120 124 132 136 140 148 152 156 "
    "162 166 170 174 178 180 184 188 384 191 192 531 196 203 208 262 212 214 218 818 222 226 232 "
    "233 231 238 234 242 246 250 254 258 260 270 266 216 268 288 292 300 308 304 312 316 320 831 "
    "324 624 328 332 334 336 340 344 348 352 356 360 368 364 372 833 376 380 388 392 832 400 398 "
    "404 296 408 410 414 417 418 428 422 426 430 434 438 440 442 446 807 450 454 458 462 466 470 "
    "584 474 478 480 175 484 583 492 496 498 499 500 504 508 104 516 520 524 528 540 554 558 562 "
    "566 570 574 580 578 512 275 585 586 591 598 600 604 608 612 616 620 630 634 638 000 642 643 "
    "646 652 654 659 662 663 666 670 882 674 678 682 686 688 690 694 702 534 703 705 090 706 710 "
    "239 724 144 736 740 744 748 752 756 760 158 762 834 764 626 768 772 776 780 788 792 795 796 "
    "798 800 804 784 825 826 840 581 858 860 548 704 862 092 850 876 732 887 894 716 9996 9998";

TEST(AvailableCountries, CodesInListedOrder)
{
    const QStringList expected = QString::fromLatin1(ExpectedOrder).split(u' ');
    ASSERT_EQ(expected.size(), 252);
    ASSERT_EQ(AvailableCountries.size(), std::size_t(252));
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(QString::fromLatin1(AvailableCountries[i].IdRef), expected[i]) << "row " << i;
}

TEST(AvailableCountries, CodesAndNamesAreUniqueAndFilled)
{
    QSet<QString> codes;
    QSet<QString> names;
    for (const TAvailableCountries& row : AvailableCountries) {
        ASSERT_NE(row.IdRef, nullptr);
        ASSERT_NE(row.Desc, nullptr);
        const QString name = QString::fromUtf8(row.Desc);
        EXPECT_FALSE(name.trimmed().isEmpty()) << row.IdRef;
        EXPECT_EQ(name, name.trimmed()) << row.IdRef;
        codes.insert(QString::fromLatin1(row.IdRef));
        names.insert(name);
    }
    EXPECT_EQ(codes.size(), 252);
    EXPECT_EQ(names.size(), 252);
}

TEST(GetCatalogueName, ExactCodeMatchOnly)
{
    EXPECT_EQ(GetCatalogueName(QStringLiteral("216")), QStringLiteral("Germany"));
    EXPECT_EQ(GetCatalogueName(QStringLiteral("276")), QString());
    EXPECT_EQ(GetCatalogueName(QStringLiteral("9998")), QStringLiteral("--- OUT OF PRODUCTION ---"));
    EXPECT_EQ(GetCatalogueName(QStringLiteral("000")), QStringLiteral("Rest of the World"));
    EXPECT_EQ(GetCatalogueName(QStringLiteral("826")),
              QStringLiteral("Countries with UK standard, except United Kingdom"));
    // No padding, trimming or numeric comparison.
    EXPECT_EQ(GetCatalogueName(QStringLiteral("68")), QString());
    EXPECT_EQ(GetCatalogueName(QStringLiteral(" 068")), QString());
    EXPECT_EQ(GetCatalogueName(QString()), QString());
}

TEST(GetCatalogueName, NonAsciiNamesSurvive)
{
    EXPECT_EQ(GetCatalogueName(QStringLiteral("248")), QStringLiteral(u"\u00C5land Islands"));
    EXPECT_EQ(GetCatalogueName(QStringLiteral("384")), QStringLiteral(u"C\u00F4te d'Ivoire"));
}

} // namespace
} // namespace vantor::test
