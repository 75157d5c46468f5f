// The log in a mail message, as mail programs send it: one row per shape.
#include <gtest/gtest.h>

#include "robot_logs.h"
#include "vscrobot/intake/mail_message.h"

namespace {

const std::string Log = robot_test::cabrilloLog("Q9VSC");

std::string base64(const std::string& bytes)
{
    static const char Digits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 2]);
        out += Digits[(v >> 18) & 63];
        out += Digits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? Digits[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? Digits[v & 63] : '=';
        if (out.size() % 77 == 76) out += "\r\n";
    }
    return out;
}

const std::string Headers = "From: Q9VSC <q9vsc@example.org>\r\nTo: logs@example.org\r\n"
                            "Subject: my log\r\nMIME-Version: 1.0\r\n";

}  // namespace

TEST(MailMessage, FindsTheLogInEveryShape)
{
    struct Row {
        const char* name;
        std::string message;
    };
    const Row rows[] = {
        {"a Cabrillo file, no mail", Log},
        {"plain body", Headers + "Content-Type: text/plain; charset=us-ascii\r\n\r\n" + Log},
        {"base64 attachment beside a text part",
         Headers + "Content-Type: multipart/mixed;\r\n boundary=\"==b1==\"\r\n\r\n"
                   "This is a MIME message.\r\n--==b1==\r\nContent-Type: text/plain\r\n\r\n"
                   "Here is my log, 73.\r\n--==b1==\r\nContent-Type: application/octet-stream;"
                   " name=\"q9vsc.cbr\"\r\nContent-Transfer-Encoding: base64\r\n"
                   "Content-Disposition: attachment; filename=\"q9vsc.cbr\"\r\n\r\n" +
             base64(Log) + "\r\n--==b1==--\r\n"},
        {"quoted-printable text in an alternative inside a mixed",
         Headers + "Content-Type: multipart/mixed; boundary=outer\r\n\r\n--outer\r\n"
                   "Content-Type: multipart/alternative; boundary=inner\r\n\r\n--inner\r\n"
                   "Content-Type: text/plain\r\nContent-Transfer-Encoding: quoted-printable\r\n"
                   "\r\n" +
             [] {
                 std::string qp;
                 for (char c : Log) {
                     qp += c == '=' ? std::string("=3D") : std::string(1, c);
                 }
                 return qp;
             }() + "\r\n--inner\r\nContent-Type: text/html\r\n\r\n<p>log</p>\r\n--inner--\r\n"
                   "--outer--\r\n"},
        {"attachment named only in Content-Type, LF line ends",
         "From: a@example.org\nContent-Type: multipart/mixed; boundary=b\n\n--b\n"
         "Content-Type: text/plain\n\nhello\n--b\nContent-Type: text/plain; name=log.cbr\n\n" +
             Log + "\n--b--\n"},
    };
    for (const Row& row : rows) {
        std::string log;
        std::string why;
        ASSERT_TRUE(logFromMail(row.message, log, why)) << row.name << ": " << why;
        EXPECT_EQ(log, Log) << row.name;
    }
}

TEST(MailMessage, SaysWhenThereIsNoLog)
{
    struct Row {
        const char* name;
        std::string message;
        const char* why;
    };
    const Row rows[] = {
        {"text without a log", Headers + "\r\nPlease find my log. Oops.\r\n",
         "the message holds no attachment and no Cabrillo log in its text"},
        {"no mail, no log", "hello\r\n", "neither a mail message nor a Cabrillo log"},
        {"multipart with no part",
         Headers + "Content-Type: multipart/mixed; boundary=b\r\n\r\nno parts here\r\n",
         "the message holds no attachment and no Cabrillo log in its text"},
    };
    for (const Row& row : rows) {
        std::string log;
        std::string why;
        EXPECT_FALSE(logFromMail(row.message, log, why)) << row.name;
        EXPECT_EQ(why, row.why) << row.name;
    }
}

TEST(MailMessage, TransferEncodings)
{
    EXPECT_EQ(decodeBase64("UTlWU0Mg\r\nNTk5"), "Q9VSC 599");
    EXPECT_EQ(decodeQuotedPrintable("A=3DB=\r\nC=e9=zz"), "A=BC\xe9=zz");
}
