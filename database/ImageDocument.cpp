#include "ImageDocument.h"

#include "ImageFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

void CImageDocument::NewDocument()
{
    m_bNoData = true;
    m_szFilePath.clear();
}

CImageDocument::Load CImageDocument::LoadFile(const std::string& path, PlaceholderText& error)
{
    std::vector<std::uint8_t> bytes;
    switch (ImageFile::ReadImage(path, bytes, error)) {
    case ImageFile::Read::Error: return Load::Error;
    case ImageFile::Read::WrongLength: return Load::NotAnImage;
    case ImageFile::Read::Ok: break;
    }
    return LoadBytes(bytes.data(), bytes.size(), path);
}

CImageDocument::Load CImageDocument::LoadBytes(const std::uint8_t* bytes, std::size_t size,
                                               const std::string& path)
{
    if (size != Image::kLargeSize && size != Image::kSmallSize)
        return Load::NotAnImage;
    const int variant = size == Image::kLargeSize ? 2 : 1;
    const std::size_t marker = variant == 2 ? Image::kLargeMarkerOffset : Image::kSmallMarkerOffset;
    if (bytes[marker] != Image::kMarker)
        return Load::NotAnImage;

    m_database.m_nVariant = variant;
    std::memcpy(m_database.GetRawImage(), bytes, size);
    m_szFilePath = path;
    m_database.ImageToTables(variant);
    // Bouquet names are never taken from a file, whichever variant it is.
    m_database.ClearBouquetTable();
    m_bNoData = false;
    m_bSaved = true;
    return Load::Loaded;
}

bool CImageDocument::SaveFile(const std::string& path, PlaceholderText& error, ImageFile::Backup backup)
{
    m_database.TablesToWorkImage();
    m_database.WorkImageToRaw();
    if (!ImageFile::WriteAtomically(path, m_database.GetWorkImage(), Image::kLargeSize, error, backup))
        return false;
    m_szFilePath = path;
    m_bSaved = true;
    m_bNoData = false;
    return true;
}

bool CImageDocument::WriteImageFile(PlaceholderText& error, ImageFile::Backup backup)
{
    m_database.TablesToWorkImage();
    m_database.WorkImageToRaw();
    return ImageFile::WriteAtomically(m_szFilePath, m_database.GetRawImage(), Image::kLargeSize, error,
                                      backup);
}

CImageDocument::Load CImageDocument::LoadFile(const std::string& path, std::string& error)
{
    return InEnglish(error, [&](PlaceholderText& message) { return LoadFile(path, message); });
}

bool CImageDocument::SaveFile(const std::string& path, std::string& error, ImageFile::Backup backup)
{
    return InEnglish(error, [&](PlaceholderText& message) { return SaveFile(path, message, backup); });
}

bool CImageDocument::WriteImageFile(std::string& error, ImageFile::Backup backup)
{
    return InEnglish(error, [&](PlaceholderText& message) { return WriteImageFile(message, backup); });
}

void CImageDocument::RestoreWorkImage(const std::uint8_t* image, const std::string& path)
{
    m_database.m_nVariant = 2;
    std::memcpy(m_database.GetRawImage(), image, Image::kLargeSize);
    m_database.ImageToTables(2);
    m_szFilePath = path;
    m_bNoData = false;
    m_bSaved = false;
}

bool CImageDocument::AcceptUpload(std::span<const std::uint8_t> image, int variant)
{
    std::memcpy(m_database.GetRawImage(), image.data(), std::min(image.size(), Image::kLargeSize));
    m_database.m_nVariant = variant;
    m_database.ImageToTables(variant);
    const bool small = variant == 1;
    if (small)
        m_database.ClearBouquetTable();
    m_bNoData = false;
    m_bSaved = false;
    return small;
}

std::span<const std::uint8_t> CImageDocument::PrepareDownload()
{
    m_database.WorkImageToRaw();
    return {m_database.GetRawImage(), Image::kLargeSize};
}
