#include "i18n/XmlEncoding.h"

#include <QRegularExpression>

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace vantor {

namespace {

// The declaration is short; the name is looked for within its first bytes.
constexpr std::size_t DeclarationWindow = 256;

QByteArray DeclaredEncoding(const char* Data, std::size_t Size)
{
    const QByteArray head(Data, static_cast<qsizetype>(std::min(Size, DeclarationWindow)));
    if (!head.startsWith("<?xml"))
        return {};
    const qsizetype end = head.indexOf("?>");
    if (end < 0)
        return {};
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z][A-Za-z0-9._:-]*)[\"']"));
    const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(head.left(end)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool IsUtf8Name(const QByteArray& Name)
{
    const QByteArray lower = Name.toLower();
    return lower == "utf-8" || lower == "utf8";
}

class Converter {
public:
    explicit Converter(const QByteArray& From) : handle_(::iconv_open("UTF-8", From.constData())) {}
    ~Converter()
    {
        if (valid())
            ::iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open reports failure as (iconv_t)-1.
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); } // NOLINT(performance-no-int-to-ptr)

    bool Convert(const char* Data, std::size_t Size, QByteArray& Out)
    {
        Out.clear();
        char* in = const_cast<char*>(Data);
        std::size_t inLeft = Size;
        QByteArray chunk(qsizetype{64} * 1024, '\0');
        while (inLeft > 0) {
            char* out = chunk.data();
            std::size_t outLeft = static_cast<std::size_t>(chunk.size());
            const std::size_t result = ::iconv(handle_, &in, &inLeft, &out, &outLeft);
            Out.append(chunk.constData(), chunk.size() - static_cast<qsizetype>(outLeft));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false; // invalid or incomplete bytes for that encoding
        }
        return true;
    }

private:
    iconv_t handle_;
};

} // namespace

TXmlEncoding ConvertDeclaredEncoding(const char* Data, std::size_t Size, QByteArray& Utf8)
{
    const QByteArray name = DeclaredEncoding(Data, Size);
    if (name.isEmpty() || IsUtf8Name(name))
        return TXmlEncoding::AsIs;
    Converter converter(name);
    if (!converter.valid() || !converter.Convert(Data, Size, Utf8))
        return TXmlEncoding::Unusable;
    return TXmlEncoding::Converted;
}

} // namespace vantor
