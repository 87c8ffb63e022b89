#pragma once
// The upload the program sends for a list file wished to be named "x.vok",
// to the exchange on 127.0.0.1:8517.
#include "exchange/PostData.h"

#include <string>

namespace tavrio::exchange::test {

inline cPostData uploadOfX(const std::string& path)
{
    cPostData post;
    post.Host = "127.0.0.1:8517";
    post.Path = "/Kavnet/Tavrio/Network/uploadfile.php";
    post.AddField("MAX_FILE_SIZE", "1000000");
    post.AddFile("userfile", path);
    post.AddField("Wunschname", "x.vok");
    return post;
}

} // namespace tavrio::exchange::test
