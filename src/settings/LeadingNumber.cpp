#include "settings/LeadingNumber.h"

#include <QByteArray>
#include <charconv>

namespace quillmark {

namespace {

class NumberScanner {
public:
    explicit NumberScanner(const QString& text) : text_(text) {}

    QChar Peek() {
        while (position_ < text_.size() && (text_[position_] == u' ' || text_[position_] == u'\t' ||
                                            text_[position_] == u'\n')) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : QChar();
    }
    void Take(QByteArray& into) {
        into += static_cast<char>(text_[position_].unicode());
        ++position_;
    }
    int TakeDigits(QByteArray& into) {
        int count = 0;
        while (Peek() >= u'0' && Peek() <= u'9') {
            Take(into);
            ++count;
        }
        return count;
    }
    qsizetype Position() const { return position_; }
    void Rewind(qsizetype position) { position_ = position; }

private:
    const QString& text_;
    qsizetype position_ = 0;
};

std::optional<double> ToDouble(const QByteArray& number) {
    // from_chars reads the same text in every locale ("." is the decimal point) but takes no "+".
    const char* begin = number.constData() + (number.startsWith('+') ? 1 : 0);
    const char* end = number.constData() + number.size();
    double value = 0;
    const auto [rest, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> LeadingNumber::Parse(const QString& text) {
    NumberScanner scanner(text);
    QByteArray number;
    if (scanner.Peek() == u'+' || scanner.Peek() == u'-') {
        scanner.Take(number);
    }
    int digits = scanner.TakeDigits(number);
    if (scanner.Peek() == u'.') {
        scanner.Take(number);
        digits += scanner.TakeDigits(number);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (scanner.Peek() == u'e' || scanner.Peek() == u'E') {
        // An exponent counts only when digits follow it: "1e" and "1e+" read as 1.
        const qsizetype mantissaEnd = scanner.Position();
        const qsizetype mantissaSize = number.size();
        scanner.Take(number);
        if (scanner.Peek() == u'+' || scanner.Peek() == u'-') {
            scanner.Take(number);
        }
        if (scanner.TakeDigits(number) == 0) {
            number.truncate(mantissaSize);
            scanner.Rewind(mantissaEnd);
        }
    }
    return ToDouble(number);
}

} // namespace quillmark
