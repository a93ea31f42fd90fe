@echo off
rem Runs the Windows test binary natively with LOMVIST_PROGRAM naming the program under test, as
rem the hosted CI job does on Windows and ctest does under Wine's cmd, and ends with its status.
rem The code page 932 cases need a prefix or a machine of that code page and are left out.
rem Usage: run-tests.cmd [BUILD_FOLDER [PROGRAM]]   (BUILD_FOLDER holding tests\lomvist_tests.exe,
rem by default build\mingw of this tree; PROGRAM by default BUILD_FOLDER\lomvist.exe)
setlocal
set "build=%~1"
if "%build%"=="" set "build=%~dp0..\..\build\mingw"
for %%F in ("%build%") do set "build=%%~fF"
if not exist "%build%\tests\lomvist_tests.exe" (
  echo run-tests.cmd: %build% holds no tests\lomvist_tests.exe>&2
  exit /b 2
)
set "program=%~2"
if "%program%"=="" set "program=%build%\lomvist.exe"
for %%F in ("%program%") do set "LOMVIST_PROGRAM=%%~fF"
if not exist "%LOMVIST_PROGRAM%" (
  echo run-tests.cmd: there is no %LOMVIST_PROGRAM%>&2
  exit /b 2
)
"%build%\tests\lomvist_tests.exe" --gtest_filter=-CodePage932.*
exit /b %ERRORLEVEL%
