#pragma once

#include <QString>

namespace parvela::platform {

class Settings;

// Facts about this computer that the program compares and builds paths from.
class MachineInfo {
public:
    MachineInfo(QString computerName, QString dataRoot);
    static MachineInfo ofThisComputer(const Settings& settings);

    // The account this program runs under on this computer.
    static QString userName();

    const QString& computerName() const { return m_computerName; }
    const QString& dataRoot() const { return m_dataRoot; }

    // 0 when the names match ignoring the case of A to Z, otherwise the sign
    // of comparing the two names lower-cased that way.
    int computerNameDiffers(const QString& name) const;

    // Folders that the original lays out under the system drive.
    QString iconsFolder() const;
    QString orvantaFolder() const;
    // Where the tills and the digital menu find the products' pictures.
    QString imagesFolder() const;
    QString digitalMenuImagesFolder() const;
    // Where the guests' menu page is written before it is uploaded.
    QString digitalMenuFolder() const;
    // The weighed products' list the scales load.
    QString scalePluFile() const;
    // The catalogue's files for the branches and the web service.
    QString transferFolder() const;
    QString pathUnderRoot(const QString& relative) const;

private:
    QString m_computerName;
    QString m_dataRoot;
};

} // namespace parvela::platform
