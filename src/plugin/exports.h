// The ten entry points the host drives, with the argument lists it pushes (32-bit cdecl).
// Each is exported under its plain name and under the decorated name of the function below.
#pragma once

#include "scoring/ole_date.h"

int GetNumberOfSets();
const char* GetSetName(int index);
void SetupSet0();

int ResetStats0(const char* unused1, int exportCabrillo, const char* callsign,
                const COleDateTime* unusedDate4, const COleDateTime* titleDate,
                const char* unused6, const char* unused7, const char* unused8,
                const char* unused9, const char* unused10, const char* unused11,
                const char* unused12, const char* unused13, const char* unused14,
                const char* unused15, int unused16, int unused17, int unused18,
                double unused19, double unused20, const char* unused21, const char* unused22,
                const char* unused23);

// AddData0 and RemoveData0 share one argument list.
int AddData0(const char* unused1, const char* call, const COleDateTime* time,
             const COleDateTime* unusedDate4, const COleDateTime* unusedDate5,
             const COleDateTime* unusedDate6, unsigned unused7, unsigned frequencyHz,
             const char* mode, const char* rstSent, const char* rstRcvd, const char* exchSent,
             const char* exchRcvd, const char* unused14, const char* unused15,
             const char* unused16, const char* unused17, const char* unused18,
             const char* unused19, const char* unused20, const char* unused21,
             const char* unused22, const char* aux1, int unused24, int unused25, int unused26,
             double unused27, double unused28, const char* unused29, const char* aux2,
             const char* unused31, const char* band, const char* unused33);

int RemoveData0(const char* unused1, const char* call, const COleDateTime* time,
                const COleDateTime* unusedDate4, const COleDateTime* unusedDate5,
                const COleDateTime* unusedDate6, unsigned unused7, unsigned frequencyHz,
                const char* mode, const char* rstSent, const char* rstRcvd,
                const char* exchSent, const char* exchRcvd, const char* unused14,
                const char* unused15, const char* unused16, const char* unused17,
                const char* unused18, const char* unused19, const char* unused20,
                const char* unused21, const char* unused22, const char* aux1, int unused24,
                int unused25, int unused26, double unused27, double unused28,
                const char* unused29, const char* aux2, const char* unused31, const char* band,
                const char* unused33);

// Exported as CheckCall0.
int CheckCallFunc0(const char* call, unsigned unused2, unsigned unused3, const char* mode,
                   const char* unused5, const char* unused6, const char* unused7,
                   const char* unused8, const char* unused9, const char* unused10,
                   const char* unused11, const char* unused12, const char* unused13,
                   const char* unused14, int unused15, int unused16, int unused17,
                   double unused18, double unused19, const char* unused20,
                   const char* unused21, const char* unused22, const char* unused23,
                   const char* unused24, const char* band, const char* unused26,
                   char* unused27, char* warning);

// The returned text stays the plug-in's until the next call or the unload.
const char* GetResult0(int* score);

// Exported as GetExchgCount0 and IsValidExchg0.
int StatsGetExchgCount0(const char* unused1, const char* unused2, const char* unused3);
int StatsIsValidExchg0(const char* unused1, const char* unused2, const char* unused3,
                       const char* unused4, int unused5, int unused6, int unused7);

// The capacity the host gives CheckCall0's warning buffer.
constexpr unsigned WarningBufferSize = 100;
