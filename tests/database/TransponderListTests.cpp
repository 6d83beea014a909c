// Transponder lists: both readers on small files, their refusals, and the
// positions that names give.
#include "TransponderList.h"

#include <gtest/gtest.h>

using namespace TransponderList;

TEST(TransponderList, SatellitesXmlGivesItsSatellitesAndPassesOverTheRest)
{
    const char* xml = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<!-- kept up to date by hand -->
<satellites>
	<sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="0" position="192">
		<transponder frequency="10714000" symbol_rate="22000000" polarization="0" fec_inner="5" system="0" modulation="1"/>
		<transponder frequency="11229000" symbol_rate="22000000" polarization="3" system="1"/>
	</sat>
	<lnb/>
	<sat name="Thor 5/6/7 (0.8W)" flags="1" position="-8">
		<transponder frequency="10778000" symbol_rate="25000000" polarization="2"/>
	</sat>
</satellites>
)xml";
    std::vector<Satellite> satellites;
    ASSERT_FALSE(ReadList(xml, "satellites.xml", satellites));
    const std::vector<Satellite> expected{
        {"Astra 1KR/1L/1M/1N (19.2E)",
         192,
         {{10714000, 22000000, Polarization::Horizontal, DeliverySystem::DvbS},
          {11229000, 22000000, Polarization::Right, DeliverySystem::DvbS2}}},
        {"Thor 5/6/7 (0.8W)", -8, {{10778000, 25000000, Polarization::Left, DeliverySystem::DvbS}}},
    };
    EXPECT_EQ(satellites, expected);
}

TEST(TransponderList, DvbChannelFileIsOneSatelliteNamedAfterTheFile)
{
    const char* text = "# Astra 19.2E\r\n"
                       "[CHANNEL]\r\n"
                       "\tDELIVERY_SYSTEM = DVBS\r\n"
                       "\tFREQUENCY = 10714000\r\n"
                       "\tPOLARIZATION = HORIZONTAL\r\n"
                       "\tSYMBOL_RATE = 22000000\r\n"
                       "\tINNER_FEC = 5/6\r\n"
                       "\r\n"
                       "[CHANNEL]\n"
                       "\tdelivery_system=dvbs2\n"
                       "\tSYMBOL_RATE = 27500000\n"
                       "\tFREQUENCY = 11229000\n"
                       "\tPOLARIZATION = Right\n";
    std::vector<Satellite> satellites;
    ASSERT_FALSE(ReadList(text, "/usr/share/dvb/dvb-s/Astra-19.2E", satellites));
    const std::vector<Satellite> expected{
        {"Astra-19.2E",
         192,
         {{10714000, 22000000, Polarization::Horizontal, DeliverySystem::DvbS},
          {11229000, 27500000, Polarization::Right, DeliverySystem::DvbS2}}},
    };
    EXPECT_EQ(satellites, expected);

    Satellite named;
    ASSERT_FALSE(ReadDvbChannelFile("", "lists/Thor-1.0W.conf", named));
    EXPECT_EQ(named, (Satellite{"Thor-1.0W", -10, {}}));
    ASSERT_FALSE(ReadDvbChannelFile("", "my-list.txt", named));
    EXPECT_EQ(named, (Satellite{"my-list", std::nullopt, {}}));
}

TEST(TransponderList, AMalformedListIsRefusedWithItsLineAndTheReason)
{
    const struct {
        const char* text;
        int line;
        const char* reason;
    } cases[] = {
        {"<satellites>\n<sat name=\"A\" position=\"1\">\n</satellites>", 3,
         "not well-formed XML: an element that is not closed, or closed by another end tag"},
        {"<satellites>\n<sat name=A position=\"1\"/>", 2, "not well-formed XML: a broken attribute"},
        {"<?xml version=\"1.0\"?>\n<channels/>", 2, "the first element is <channels>, not <satellites>"},
        {"<satellites>\n\n<sat position=\"10\"/>\n</satellites>", 3, "<sat> has no name attribute"},
        {"<satellites><sat name=\"A\" position=\"1801\"/></satellites>", 1,
         "position '1801' is not a number from -1800 to 1800"},
        {"<satellites><sat name=\"A\" position=\"1\">\n<transponder frequency=\"1\" symbol_rate=\"1\" "
         "polarization=\"4\"/></sat></satellites>",
         2, "polarization '4' is not a number from 0 to 3"},
        {"<satellites><sat name=\"A\" position=\"1\">\n<transponder frequency=\"1\" polarization=\"0\"/>"
         "</sat></satellites>",
         2, "<transponder> has no symbol_rate attribute"},
        {"FREQUENCY = 10714000\n", 1, "KEY = VALUE before the first [NAME]"},
        {"# list\n[A]\nFREQUENCY 10714000\n", 3, "neither [NAME] nor KEY = VALUE"},
        {"[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 1\nPOLARIZATION = H\n", 4,
         "POLARIZATION 'H' is not HORIZONTAL, VERTICAL, LEFT or RIGHT"},
        {"[A]\nDELIVERY_SYSTEM = DVBT\n", 2, "DELIVERY_SYSTEM 'DVBT' is neither DVBS nor DVBS2"},
        {"[A]\nFREQUENCY = 10714000x\n", 2, "FREQUENCY '10714000x' is not a number from 0 to 4294967295"},
        {"[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 1\nPOLARIZATION = LEFT\n\n[B]\n", 1,
         "[A] has no SYMBOL_RATE"},
    };
    for (const auto& c : cases) {
        std::vector<Satellite> satellites{{"kept", 1, {}}};
        const std::optional<Refusal> refusal = ReadList(c.text, "list", satellites);
        ASSERT_TRUE(refusal) << c.text;
        EXPECT_EQ(refusal->line, c.line) << c.text;
        EXPECT_EQ(Fill(refusal->reason), c.reason) << c.text;
        EXPECT_TRUE(satellites.empty()) << c.text;
    }
}

TEST(TransponderList, NamesGiveTheirLastPositionWord)
{
    EXPECT_EQ(PositionInName("THOR 1W"), -10);
    EXPECT_EQ(PositionInName("ASIASAT 100.5E"), 1005);
    EXPECT_EQ(PositionInName("Thor 5/6/7 (0.8W)"), -8);
    EXPECT_EQ(PositionInName("A 1E 2e"), 20);
    for (const char* name : {"EUTELSAT 7WEST", "X 180.1E", "X 19.25E", "X .5E", "SAT_1"})
        EXPECT_EQ(PositionInName(name), std::nullopt) << name;
    for (int tenths = -1800; tenths <= 1800; ++tenths)
        ASSERT_EQ(ParsePosition(PositionText(tenths)), tenths) << PositionText(tenths);
    EXPECT_EQ(PositionText(-50), "5.0W");
}
