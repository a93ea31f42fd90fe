# The hosted Windows job's look at the MSI as a fleet deploys it: a silent install for the machine,
# the machine PATH with exactly one entry for the folder, a new shell that finds lomvist there and
# whose report gives the entry no finding, a repair that adds nothing, and the uninstall, after
# which the machine PATH must be the same bytes as before. Exits 1 on the first difference.
# Usage: pwsh tests\windows\msi-cycle.ps1 MSI
param([Parameter(Mandatory)][string]$Msi)
$ErrorActionPreference = 'Stop'
$key = 'HKLM:\System\CurrentControlSet\Control\Session Manager\Environment'
function Get-MachinePath { (Get-Item $key).GetValue('Path', '', 'DoNotExpandEnvironmentNames') }
function Invoke-Msiexec([string[]]$Arguments) {
  $run = Start-Process msiexec.exe -ArgumentList ($Arguments + '/qn', '/l*v', 'msi.log') -Wait -PassThru
  if ($run.ExitCode -notin 0, 3010) {
    Get-Content msi.log -Tail 30
    throw "msiexec $Arguments ended with $($run.ExitCode)"
  }
}
$folder = Join-Path $env:ProgramFiles 'Lomvist\'
function Assert-OneEntry([string]$When) {
  $found = @((Get-MachinePath) -split ';' | Where-Object { $_ -eq $folder }).Count
  if ($found -ne 1) { throw "${When}: the machine PATH holds $found entries for ${folder}: $(Get-MachinePath)" }
}

$before = Get-MachinePath
Invoke-Msiexec '/i', $Msi
Assert-OneEntry 'after the install'
# A process sees the new PATH only once it starts after the change, with the environment that a
# new logon builds; the runner's own was built before.
$env:Path = [Environment]::GetEnvironmentVariable('Path', 'Machine') + ';' +
  [Environment]::GetEnvironmentVariable('Path', 'User')
$found = cmd /d /c 'where lomvist'
if ($found -notcontains (Join-Path $folder 'lomvist.exe')) { throw "a new shell finds: $found" }
$report = @(cmd /d /c 'lomvist PATH')
$line = [array]::IndexOf($report, "D: ($folder)")
if ($line -lt 0 -or ($line + 1 -lt $report.Count -and $report[$line + 1].StartsWith(' '))) {
  throw "the report does not give the entry D: without findings: $($report -join "`n")"
}
Invoke-Msiexec '/fa', $Msi
Invoke-Msiexec '/i', $Msi
Assert-OneEntry 'after a repair and a second install'
$product = (Get-ChildItem HKLM:\Software\Microsoft\Windows\CurrentVersion\Uninstall |
  Get-ItemProperty | Where-Object DisplayName -eq 'Lomvist').PSChildName
Invoke-Msiexec '/x', $product
if (Test-Path $folder) { throw "the uninstall left $folder" }
$after = Get-MachinePath
if ($after -cne $before) { throw "the machine PATH was`n$before`nand is`n$after" }
"the MSI $product installed, repaired and uninstalled; the machine PATH is as it was"
