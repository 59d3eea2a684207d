VERSION 5.00
Begin VB.Form F 
   Begin FolivanTabs.FolivanTab First 
      Tabs            =   1
   End
   Begin FolivanTabs.FolivanTab Second 
      Height          =   4500
      Width           =   6000
      _ExtentX        =   10583
      _ExtentY        =   7938
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Tabs            =   2
      Caption         =   "Tab 0"
      BackPic         =   "red.png"
      TabPicture      =   "F.frx":0000
      iTabPicture(0)  =   "F.frx":0000
      iTabPicture(1)  =   "red.png"
   End
End
