#include "io/text_out.h"

namespace torvex::io {

TextOut::~TextOut() { close(); }

bool TextOut::open(const std::string& path) {
    close();
    path_ = path;
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void TextOut::openMemory() {
    close();
    memory_ = true;
    buffer_.clear();
}

void TextOut::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    memory_ = false;
}

void TextOut::line(std::string_view text) {
    if (file_ != nullptr) {
        if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file_);
        std::fputc('\n', file_);
    } else if (memory_) {
        buffer_.append(text);
        buffer_.push_back('\n');
    }
}

void TextOut::edit(std::string_view editList, std::initializer_list<EditArg> values) {
    edit(editList, std::vector<EditArg>(values));
}

void TextOut::edit(std::string_view editList, const std::vector<EditArg>& values) {
    for (const std::string& record : EditRecords(editList, values)) line(record);
}

void TextOut::blank(int n) {
    for (int i = 0; i < n; ++i) line();
}

}  // namespace torvex::io
