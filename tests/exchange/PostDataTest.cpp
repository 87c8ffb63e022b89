#include "exchange/PostData.h"

#include "UploadRequest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

const std::string Delim = "-----------------------------24464570528145\r\n";

std::string tempFile(const std::string& name, const std::string& bytes)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(PostData, uploadRequestBytes)
{
    const char raw[] = "Haus\r\nhouse\r\n\r\n\xFC\x00z\r\n";
    const std::string bytes(raw, sizeof raw - 1);
    const std::string path = tempFile("tavrio_post_x.vok", bytes);

    const cPostData post = tavrio::exchange::test::uploadOfX(path);

    const std::string body = Delim + "Content-Disposition: form-data; name=\"MAX_FILE_SIZE\"\r\n\r\n1000000\r\n"
                             + Delim + "Content-Disposition: form-data; name=\"Wunschname\"\r\n\r\nx.vok\r\n"
                             + Delim + "Content-Disposition: form-data; name=\"userfile\"; filename=\"pelikor.txt\"\r\n"
                             + "Content-Type: application/rdf+xml\r\n\r\n" + bytes + "\r\n"
                             + "-----------------------------24464570528145--\r\n";
    const std::string expected =
        "POST /Kavnet/Tavrio/Network/uploadfile.php HTTP/1.1\r\n"
        "Host: 127.0.0.1:8517\r\n"
        "User-Agent: Pelikor/0.1 (Windows; U; Windows NT 5.1; de-DE; rv:1.7.5)\r\n"
        "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.7\r\n"
        "Keep-Alive: 300\r\n"
        "Connection: keep-alive\r\n"
        "Content-Type: multipart/form-data; boundary=---------------------------24464570528145\r\n"
        "Content-Length: " + std::to_string(body.size()) + "\r\n"
        "\r\n" + body;
    ASSERT_TRUE(post.BuildBody());
    EXPECT_EQ(*post.BuildBody(), body);
    ASSERT_TRUE(post.BuildRequest());
    EXPECT_EQ(*post.BuildRequest(), expected);
    std::remove(path.c_str());
}

TEST(PostData, emptyFileAndMissingFile)
{
    const std::string path = tempFile("tavrio_post_empty.vok", "");
    cPostData post;
    post.AddFile("userfile", path);
    EXPECT_EQ(*post.BuildBody(), Delim + "Content-Disposition: form-data; name=\"userfile\"; filename=\"pelikor.txt\"\r\n"
                                     "Content-Type: application/rdf+xml\r\n\r\n\r\n"
                                     "-----------------------------24464570528145--\r\n");
    std::remove(path.c_str());

    cPostData missing;
    missing.AddFile("userfile", path + ".gone");
    EXPECT_FALSE(missing.BuildRequest()) << "an unreadable file gives no request";
}

} // namespace
