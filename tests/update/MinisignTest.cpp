// The signature verifier against the minisign program itself: what the tool
// signs verifies, and every change the tool refuses is refused here too.
#include "update/Minisign.h"
#include "testlib/MinisignTool.h"
#include "testlib/TempFolder.h"
#include "update/UpdateKeys.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {
namespace {

using minisign::ParsePublicKey;
using minisign::TrustedKeys;
using minisign::Verify;

class MinisignTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        signer = new MinisignKeyPair;
        stranger = new MinisignKeyPair;
    }
    static void TearDownTestSuite()
    {
        delete signer;
        delete stranger;
    }
    static TrustedKeys Keys(std::initializer_list<const MinisignKeyPair*> APairs)
    {
        TrustedKeys keys;
        for (const MinisignKeyPair* pair : APairs)
            keys.append(ParsePublicKey(pair->PublicKeyLine()).value());
        return keys;
    }
    // The tool's own verdict on Message and Signature with the signer's key.
    bool ToolAccepts(const QByteArray& AMessage, const QByteArray& ASignature) const
    {
        const QString messageFile = folder.write("m", AMessage);
        folder.write("m.minisig", ASignature);
        return RunMinisign({"-V", "-q", "-P", QString::fromLatin1(signer->PublicKeyLine()), "-m", messageFile});
    }

    static MinisignKeyPair* signer;
    static MinisignKeyPair* stranger;
    TempFolder folder;
    const QByteArray message = "[MAIN]\r\nProgramVersion=2.2\r\nExpires=20301231\r\n";
};

MinisignKeyPair* MinisignTest::signer = nullptr;
MinisignKeyPair* MinisignTest::stranger = nullptr;

TEST_F(MinisignTest, BothAlgorithmsOfTheToolVerifyAndBindTheTrustedComment)
{
    for (const bool legacy : {false, true}) {
        SCOPED_TRACE(legacy ? "legacy" : "pre-hashed");
        const QByteArray signature = signer->Sign(message, legacy, "release 7");
        const auto result = Verify(message, signature, Keys({signer}));
        EXPECT_TRUE(result.ok()) << (result ? std::string() : result.message().toStdString());
        EXPECT_EQ(result.valueOr({}), "release 7");
        EXPECT_EQ(minisign::ParseSignature(signature)->Prehashed, !legacy);
    }
}

TEST_F(MinisignTest, EveryChangeGetsTheToolsVerdict)
{
    const QByteArray signature = signer->Sign(message);
    const QList<QByteArray> lines = signature.split('\n');
    const auto withLine = [&](int AIndex, const QByteArray& ALine) {
        QList<QByteArray> changed = lines;
        changed[AIndex] = ALine;
        return changed.join('\n');
    };
    const auto flipInBase64 = [](QByteArray ALine, int AByte) {
        QByteArray raw = QByteArray::fromBase64(ALine);
        raw[AByte] = static_cast<char>(raw[AByte] ^ 0x01);
        return raw.toBase64();
    };
    QByteArray changedMessage = message;
    changedMessage[10] = 'X';

    struct Case {
        const char* name;
        QByteArray message;
        QByteArray signature;
    };
    const QList<Case> cases = {
        {"as signed", message, signature},
        {"untrusted comment changed", message, withLine(0, "untrusted comment: anything at all")},
        {"one byte of the file changed", changedMessage, signature},
        {"file cut by one byte", message.chopped(1), signature},
        {"trusted comment changed", message, withLine(2, "trusted comment: release 8")},
        {"signature byte changed", message, withLine(1, flipInBase64(lines[1], 40))},
        {"key id changed", message, withLine(1, flipInBase64(lines[1], 3))},
        {"algorithm changed to legacy", message, withLine(1, "RW" + lines[1].mid(2))},
        {"global signature changed", message, withLine(3, flipInBase64(lines[3], 5))},
        {"trusted comment line missing", message, lines.mid(0, 2).join('\n')},
        {"not base64", message, withLine(1, lines[1].left(20) + "!" + lines[1].mid(21))},
        {"line endings CRLF", message, QByteArray(signature).replace("\n", "\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto ours = Verify(c.message, c.signature, Keys({signer}));
        EXPECT_EQ(ours.ok(), ToolAccepts(c.message, c.signature))
            << (ours ? std::string() : ours.message().toStdString());
        if (!ours) {
            EXPECT_FALSE(ours.message().isEmpty()) << "a refusal says why";
        }
    }
}

TEST_F(MinisignTest, OnlyTrustedKeysCountAndARolloverTrustsBoth)
{
    const QByteArray byStranger = stranger->Sign(message);
    const auto refused = Verify(message, byStranger, Keys({signer}));
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains("not trusted")) << refused.message().toStdString();
    EXPECT_FALSE(Verify(message, byStranger, {}).ok());

    EXPECT_TRUE(Verify(message, byStranger, Keys({signer, stranger})).ok());
    EXPECT_TRUE(Verify(message, signer->Sign(message), Keys({signer, stranger})).ok());
}

TEST_F(MinisignTest, PublicKeyLinesMustBeExactlyAnEd25519Key)
{
    const QByteArray line = signer->PublicKeyLine();
    EXPECT_TRUE(ParsePublicKey(line).has_value());
    EXPECT_TRUE(ParsePublicKey(" " + line + "\n").has_value());
    EXPECT_FALSE(ParsePublicKey({}).has_value());
    EXPECT_FALSE(ParsePublicKey(line.chopped(4)).has_value());
    EXPECT_FALSE(ParsePublicKey(line + "AAAA").has_value());
    EXPECT_FALSE(ParsePublicKey("untrusted comment: minisign public key").has_value());
    QByteArray raw = QByteArray::fromBase64(line);
    raw[1] = 'D'; // a signature algorithm, not a key's
    EXPECT_FALSE(ParsePublicKey(raw.toBase64()).has_value());
}

// A build never falls back to unsigned manifests because its keys are unusable.
TEST_F(MinisignTest, TheChannelIsSignedWithAUsableKeyAndRefusedWithout)
{
    const QByteArray good = signer->PublicKeyLine();
    QByteArray mistyped = good;
    mistyped[2] = mistyped[2] == 'U' ? 'V' : 'U'; // still base64, no longer "Ed"
    ASSERT_FALSE(ParsePublicKey(mistyped));

    const TUpdateChannel signedChannel = UpdateChannelFor(mistyped + ',' + good, false);
    EXPECT_EQ(signedChannel.Kind, TUpdateChannel::TKind::Signed);
    EXPECT_EQ(signedChannel.Keys.size(), 1);
    for (const bool allowUnsigned : {false, true}) {
        const TUpdateChannel none = UpdateChannelFor(mistyped, allowUnsigned);
        EXPECT_EQ(none.Kind, TUpdateChannel::TKind::Refused) << "with keys, never unsigned";
        EXPECT_TRUE(none.Keys.isEmpty());
        EXPECT_FALSE(none.Why.isEmpty());
    }
    EXPECT_EQ(UpdateChannelFor("", false).Kind, TUpdateChannel::TKind::Refused);
    EXPECT_EQ(UpdateChannelFor("", true).Kind, TUpdateChannel::TKind::Unsigned);
}

} // namespace
} // namespace vantor::test
