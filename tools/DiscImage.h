// Reading an ISO 9660 disc image with xorriso: its files into a temporary
// folder, and its volume label.
#pragma once
#include <string>

bool IsDiscImage(const std::string& path);

// The label of a disc folder as Wine's CD-ROM drives carry it (a
// ".windows-label" file), or "".
std::string FolderLabel(const std::string& folder);

class ExtractedImage {
public:
    ExtractedImage() = default;
    ~ExtractedImage();
    ExtractedImage(const ExtractedImage&) = delete;
    ExtractedImage& operator=(const ExtractedImage&) = delete;

    bool Extract(const std::string& image);
    const std::string& folder() const { return folder_; }
    const std::string& label() const { return label_; }

private:
    std::string folder_;
    std::string label_;
};
