/* QyVeskReg.h: the registration library of Arvenlo for installers.
 *
 * Every function is exported by its plain name with the C calling
 * convention, takes zero-terminated 8-bit texts in the ANSI code page (owned
 * by the caller) and returns a 32-bit integer: 1 for success and 0 for
 * failure, except UnregAppsInProfile, which returns 0 for success and a
 * Windows error code for failure. A null text where one is required is
 * refused; nothing is ever thrown to the caller.
 *
 * An AutoCAD Id is the product key path below "Software\Autodesk", for
 * example "AutoCAD\R16.2\ACAD-4001:409". A target code chooses where a
 * registration goes: 1 the current user, 2 the local machine (in the 64-bit
 * registry view for AutoCAD R17.1 and later on 64-bit Windows), 3 the local
 * machine on 32-bit Windows only, 4 the local machine's 64-bit view on 64-bit
 * Windows only.
 */
#ifndef QYVESKREG_H
#define QYVESKREG_H

#include <stddef.h>

#ifdef _WIN32
#define QYVESK_CALL __cdecl
#else
#define QYVESK_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The description of one application for RegisterAppInPMan. Text fields may
 * be null; a text counts as given when it is neither null nor empty. The
 * record grew over time: `size` says how much of it the caller filled in,
 * and the later fields are read only when the size covers them. */
typedef struct AppRecord {
  unsigned int size;        /* one of the APPRECORD_SIZE_* values */
  int target;               /* target code */
  const char* acadId;
  const char* appName;      /* the application's key name */
  const char* loader;       /* written always; null fails the registration */
  const char* description;
  const char* modules;
  const char* commandGroups;
  const char* menuGroup;    /* written only together with menuFile */
  const char* menuFile;
  const char* templateFile;
  int unloadable;           /* written always */
  const char* largeIcon;
  const char* smallIcon;
  const char* shortcutIcon;
  /* from APPRECORD_SIZE_SUPPORT on */
  const char* supportPath;  /* folders added to a profile's support path when linked */
  /* from APPRECORD_SIZE_FULL on */
  const char* publisher;
  int perUserMenu;          /* written only when not 0 */
  const char* perUserCopyMask;
} AppRecord;

/* 60, 64 and 76 in a 32-bit build; the offsets follow the pointer size. */
#define APPRECORD_SIZE_BASIC ((unsigned int)offsetof(AppRecord, supportPath))
#define APPRECORD_SIZE_SUPPORT ((unsigned int)offsetof(AppRecord, publisher))
#define APPRECORD_SIZE_FULL ((unsigned int)sizeof(AppRecord))

/* Installed products. StartEnumAutoDeskProducts takes release prefixes
 * separated by commas ("R15,R16,R17") and returns 1 when it found at least
 * one product; GetNextAutoDeskProduct then hands out one product per call
 * (buffers of at least 64, 64, 64, 260 and 520 bytes; a null buffer skips
 * that item) until it returns 0. */
int QYVESK_CALL StartEnumAutoDeskProducts(const char* releasePrefixes);
int QYVESK_CALL GetNextAutoDeskProduct(char* family, char* release, char* productKey,
                                       char* productName, char* location);

/* AutoCAD's demand-load entries, commands and support folders. */
int QYVESK_CALL RegisterAppEx(int target, const char* acadId, unsigned int loadCtrls,
                              const char* appName, const char* description,
                              const char* modulePath, int objectDbx, int overwrite);
int QYVESK_CALL RegisterApp(int target, const char* acadId, unsigned int loadCtrls,
                            const char* appName, const char* description,
                            const char* modulePath, int objectDbx);
int QYVESK_CALL UnregApp(int target, const char* acadId, const char* appName, int objectDbx);
int QYVESK_CALL UnregAppAllAcads(int target, const char* appName, int objectDbx);
int QYVESK_CALL RegisterCommandEx(int target, const char* acadId, const char* appName,
                                  const char* group, const char* globalName,
                                  const char* localName, int overwrite);
int QYVESK_CALL RegisterCommand(int target, const char* acadId, const char* appName,
                                const char* group, const char* globalName,
                                const char* localName);
int QYVESK_CALL AddSupportPath(const char* acadId, const char* profile, const char* folder);
int QYVESK_CALL RemoveSupportPath(const char* acadId, const char* profile, const char* folder);
int QYVESK_CALL GetAppRegStringValue(const char* acadId, const char* appName,
                                     const char* valueName, char* buffer,
                                     unsigned int bufferBytes);

/* Profiles of one installation (always per user). */
int QYVESK_CALL GetCurrentProfileNameEx(const char* acadId, char* buffer,
                                        unsigned int bufferBytes);
int QYVESK_CALL CopyProfileEx(const char* acadId, const char* source, const char* destination,
                              const char* description);
int QYVESK_CALL CreateProfile(const char* acadId, const char* name, const char* description);
int QYVESK_CALL DeleteProfile(const char* acadId, const char* name);
int QYVESK_CALL DeleteProfileAllAcads(const char* name);

/* Setting Arvenlo up for an installation, and registration from ini files. */
int QYVESK_CALL SetupPManEx(int target, const char* acadId, const char* aePath,
                            const char* cePath, const char* menuPath, const char* pmPath,
                            int overwrite);
int QYVESK_CALL SetupPMan(int target, const char* acadId, const char* aePath,
                          const char* cePath, const char* menuPath, const char* pmPath);
int QYVESK_CALL SetupPManIni(int target, const char* acadId, const char* iniPath,
                             const char* section, int overwrite);
int QYVESK_CALL SetupPManIni3264(int target, const char* acadId, const char* iniPath,
                                 const char* section, int overwrite);
int QYVESK_CALL SearchNewProducts(const char* acadId, const char* iniPath, int overwrite);
int QYVESK_CALL RegisterAppInPManIniEx(int target, const char* acadId, const char* iniPath,
                                       const char* section, int overwrite);
int QYVESK_CALL RegisterAppInPManIni(int target, const char* acadId, const char* iniPath);
int QYVESK_CALL DeleteAppDataIniEx(const char* iniPath, const char* section);
int QYVESK_CALL DeleteAppDataIni(const char* iniPath);

/* Arvenlo's own application records, profile links and toolbar items. */
int QYVESK_CALL RegisterAppInPMan(const AppRecord* record);
int QYVESK_CALL UnregAppInPMan(const char* acadId, const char* appName);
int QYVESK_CALL UnregAppInPManAllAcads(const char* appName);
int QYVESK_CALL RegisterAppInProfileEx(const char* acadId, const char* profile,
                                       const char* appName, int exclusive);
int QYVESK_CALL RegisterAppInProfile(const char* acadId, const char* profile,
                                     const char* appName);
int QYVESK_CALL UnregAppInProfile(const char* acadId, const char* profile, const char* appName);
int QYVESK_CALL UnregAppsInProfile(const char* acadId, const char* profile);
int QYVESK_CALL RegisterPManToolbarItem(const char* acadId, const char* profile,
                                        const char* name, const char* helpString,
                                        const char* largeIconPath, const char* smallIconPath);

#ifdef __cplusplus
}
#endif

#endif /* QYVESKREG_H */
